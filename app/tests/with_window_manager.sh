#!/bin/sh
# Runs a command against a private X display of its own with openbox
# managing its windows, as a desktop user would have them:
#   with_window_manager.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]
# Exits 77 (a skipped test) when Xvfb or openbox is not installed.
size=$1
shift
for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (Debian packages xvfb, openbox, x11-utils)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kal-wm-XXXXXX") || exit 1
server=
manager=
finish() {
  [ -n "$manager" ] && kill "$manager" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  [ -n "$manager" ] && wait "$manager" 2>/dev/null
  [ -n "$server" ] && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

# The server picks a free display and writes its number once it listens.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
read -r number <"$work/display"
if [ -z "$number" ]; then
  echo "Xvfb did not start:"
  cat "$work/xvfb.log"
  exit 1
fi
export DISPLAY=":$number"
unset WAYLAND_DISPLAY

# openbox with its defaults only; ready once it names itself on the root.
mkdir -p "$work/config"
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ $tries -gt 200 ] || ! kill -0 "$manager" 2>/dev/null; then
    echo "openbox did not start:"
    cat "$work/openbox.log"
    exit 1
  fi
  sleep 0.05
done

export QT_QPA_PLATFORM=xcb
"$@"
