#!/usr/bin/env bash
# kalview --help and --version answer without a window or a display; without
# a display, or with a platform that cannot start, kalview says so in one
# line and exits with status 1 instead of aborting.
set -uo pipefail
kalview=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

for option in --help -h; do
  "${nodisplay[@]}" "$kalview" "$option" >"$out/help" 2>"$out/err"
  status=$?
  [ "$status" -eq 0 ] || fail "kalview $option exited with $status"
  grep -q '^Usage: kalview' "$out/help" || fail "kalview $option printed no usage"
  for word in --first-page --help --version; do
    grep -q -- "$word" "$out/help" || fail "kalview $option does not list $word"
  done
  [ ! -s "$out/err" ] || fail "kalview $option wrote to standard error: $(cat "$out/err")"
done

"${nodisplay[@]}" "$kalview" --version >"$out/version" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "kalview --version exited with $status"
grep -qxE 'kalview [0-9]+\.[0-9]+(\.[0-9]+)*' "$out/version" || fail "kalview --version printed: $(cat "$out/version")"

check_one_line_failure() {  # what, then the command
  local what=$1
  shift
  "$@" >"$out/stdout" 2>"$out/stderr"
  status=$?
  [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1"
  [ "$(wc -l <"$out/stderr")" -eq 1 ] || fail "$what: expected one line, got: $(cat "$out/stderr")"
  grep -q '^kalview: ' "$out/stderr" || fail "$what: the line does not name kalview: $(cat "$out/stderr")"
}
check_one_line_failure "no display" "${nodisplay[@]}" "$kalview"
check_one_line_failure "unknown platform" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=nonesuch "$kalview"
check_one_line_failure "unreachable X display" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97531 "$kalview"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "kalview command line: all checks passed"
