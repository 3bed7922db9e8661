#!/usr/bin/env bash
# SIGTERM while the options dialog is open: the program closes the dialog, ends
# normally and writes the setting changed in it. The dialog is opened the way
# a user does it, with a click on the default skin's Options button under
# Xvfb; the dialog's own keys then tick "Always on top".
# Usage: options_sigterm.sh path/to/velto
set -u
velto=$1
program=$(dirname "$velto")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || {
  echo "SKIP: Xvfb or xdotool is not installed"
  exit 77
}

work=$(mktemp -d)
xvfb="" pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Runs its arguments until they succeed, for at most ten seconds.
poll() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
  return 1
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }
replaced() { local now; now=$(window '^Velto$'); [ -n "$now" ] && [ "$now" != "$1" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# The Options button (action 5) of the default skin, with the window at 0,0.
read -r bx by bw bh < <(awk -F, '$1 == "B5" { print $2, $3, $4, $5 }' "$program/default.skin")
[ -n "${bh:-}" ] || fail "no Options button in $program/default.skin"
printf '[config]\nX=0\nY=0\nSkin=%s\nWinOnTop=" 0"\n' "$program/default.skin" >"$work/morvanix.ini"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
poll test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

VELTO_HOME=$work VELTO_AUDIO_SINK="fakesink sync=true" VELTO_VIDEO_SINK=fakesink "$velto" &
pid=$!
poll shown '^Velto$' || fail "the main window did not appear"
main=$(window '^Velto$')
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) click 1
poll shown '^Velto Options$' || fail "the Options button did not open the dialog"
# The Options tab, then "&Always on top": the main window goes on top at
# once, which gives it a new native window.
xdotool windowfocus --sync "$(window '^Velto Options$')" key ctrl+Tab ctrl+Tab alt+a
poll replaced "$main" || fail "ticking Always on top did not reach the main window"

kill -TERM "$pid"
poll ended || fail "SIGTERM did not end the program with the dialog open"
wait "$pid"
rc=$?
pid=""
[ "$rc" -eq 0 ] || fail "exit status $rc"
grep -q '^WinOnTop=" 1"$' "$work/morvanix.ini" || fail "the setting was not written: $(cat "$work/morvanix.ini")"
grep -q '^LastTrack=' "$work/morvanix.ini" || fail "shut-down did not write the settings"
echo "PASS"
