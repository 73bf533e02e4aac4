#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs from
# a folder outside the build tree, with the program folder read-only: kalday
# prints the same pages as the build's kalday, kalview starts off screen and
# shows its first page, and the desktop files, icons and manual pages are in
# place (checked by desktop-file-validate and appstreamcli where present).
set -uo pipefail
build=$(cd "$1" && pwd)
app_id=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
prefix=$work/prefix
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
mkdir -p "$work/elsewhere" "$work/home/config" "$work/home/data" "$work/home/run"
chmod 700 "$work/home/run"
cd "$work/elsewhere"
export XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home/run
export PATH=$prefix/bin:$PATH

# Layout: relative links in bin, everything the programs load in their folder.
folder=$prefix/lib/kalendra
for program in kalview kalday; do
  link=$prefix/bin/$program
  if [ ! -L "$link" ] || [ ! -x "$link" ]; then
    fail "$link is not a link to a program"
  elif [[ $(readlink "$link") == /* ]]; then
    fail "$link points to an absolute path; the prefix could not be moved"
  fi
done
for file in HYMNPAK.so ICONPACK.so XTRAPICS.so OldTstmt.dat NewTstmt.dat Apoc.dat; do
  [ -s "$folder/$file" ] || fail "$folder/$file is missing"
done
chmod -R a-w "$folder"

# kalday from PATH: the installed program prints what the built one prints.
if ! kalday --date 2026-12-25 --readings >"$work/installed.txt" 2>"$work/err.txt"; then
  fail "installed kalday --readings failed: $(cat "$work/err.txt")"
fi
"$build/bin/kalday" --date 2026-12-25 --readings >"$work/built.txt"
grep -q '^Matthew 2:1-12' "$work/installed.txt" || fail "the Nativity readings page lacks its Gospel"
cmp -s "$work/installed.txt" "$work/built.txt" || fail "installed kalday --readings differs from the build's"
grep -qxE 'kalday [0-9]+(\.[0-9]+)+' <(kalday --version) || fail "kalday --version: $(kalday --version)"

# kalview off screen, its first page in each view. The readings page is the
# one kalday prints for the date in the date bar, and the icon caption the
# one kalday finds (from XTRAPICS, opened from the program folder).
settings=$XDG_CONFIG_HOME/Norwick/Kalendra.conf
first_page() {  # readings: 1 or 0
  rm -rf "$XDG_CONFIG_HOME/Norwick"
  mkdir -p "$XDG_CONFIG_HOME/Norwick"
  printf '[Options]\nOldCalendar=0\nDailyBibleReadings=%s\nTroparionKontakion=%s\n' "$1" $((1 - $1)) >"$settings"
  cp "$settings" "$work/settings.before"
  QT_QPA_PLATFORM=offscreen kalview --first-page >"$work/page.txt" 2>"$work/page_err.txt"
  local status=$?
  cmp -s "$settings" "$work/settings.before" || fail "kalview --first-page changed the settings"
  return $status
}
if ! first_page 1; then
  fail "kalview --first-page (readings) failed: $(cat "$work/page_err.txt")"
else
  [ "$(sed -n 1p "$work/page.txt")" = "Kalendra - New Calendar" ] || fail "kalview title: $(sed -n 1p "$work/page.txt")"
  shown=$(date -d "$(sed -n 2p "$work/page.txt" | cut -d, -f2-)" +%Y-%m-%d 2>/dev/null) || fail "no date in the date bar"
  "$build/bin/kalday" --date "$shown" --readings >"$work/expected.txt"
  tail -n +6 "$work/page.txt" | cmp -s - "$work/expected.txt" || fail "kalview's readings page differs from kalday's"
  caption=$("$build/bin/kalday" --date "$shown" --icon | sed -n 's/^Caption: //p')
  [ "$(sed -n 4p "$work/page.txt")" = "$caption" ] || fail "icon caption '$(sed -n 4p "$work/page.txt")', kalday says '$caption'"
fi
if ! first_page 0; then
  fail "kalview --first-page (troparia) failed: $(cat "$work/page_err.txt")"
else
  grep -q '^Troparion' "$work/page.txt" || fail "kalview's troparia page has no troparion"
fi

# Desktop entry, AppStream metainfo and icons.
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no AppStream metainfo"
grep -qx 'Exec=kalview' "$desktop" || fail "the desktop entry does not start kalview"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: not run"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
else
  echo "appstreamcli not installed: not run"
fi
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
  elif [ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" != "$(printf '%08x%08x' "$size" "$size")" ]; then
    fail "$icon is not a ${size}x${size} PNG"
  fi
done

# Manual pages: every option of kalday --help is in kalday(1).
for program in kalday kalview; do
  page=$prefix/share/man/man1/$program.1.gz
  if [ ! -f "$page" ]; then
    if command -v help2man >/dev/null; then fail "no manual page for $program"; fi
    continue
  fi
  zcat "$page" | sed 's/\\-/-/g; s/\\f[A-Z]//g; s/\\,//g; s/\\\///g' >"$work/$program.man"
  for option in $("$program" --help | grep -oE '^  --[a-z-]+'); do
    grep -q -- "$option" "$work/$program.man" || fail "$program(1) lacks $option"
  done
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed program: all checks passed"
