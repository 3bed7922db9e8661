#!/usr/bin/env bash
# SIGTERM while the options dialog is open: the program closes the dialog, ends
# normally and writes the setting changed in it. The dialog is opened the way
# a user does it, with a click on the default skin's Options button under
# Xvfb; the dialog's own keys then tick "Always on top".
# Usage: options_sigterm.sh path/to/velto
source "$(dirname "$0")/xvfb.sh"
velto=$1
program=$(dirname "$velto")
need Xvfb xdotool

replaced() { local now; now=$(window '^Velto$'); [ -n "$now" ] && [ "$now" != "$1" ]; }

# The Options button (action 5) of the default skin, with the window at 0,0.
read -r bx by bw bh < <(skin_area B5 "$program/default.skin")
[ -n "${bh:-}" ] || fail "no Options button in $program/default.skin"
printf '[config]\nX=0\nY=0\nSkin=%s\nWinOnTop=" 0"\n' "$program/default.skin" >"$work/morvanix.ini"

start_xvfb 1024x768x24
start_velto "$velto"
poll shown '^Velto$' || fail "the main window did not appear"
main=$(window '^Velto$')
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) click 1
poll shown '^Velto Options$' || fail "the Options button did not open the dialog"
# The Options tab, then "&Always on top": the main window goes on top at
# once, which gives it a new native window.
xdotool windowfocus --sync "$(window '^Velto Options$')" key ctrl+Tab ctrl+Tab alt+a
poll replaced "$main" || fail "ticking Always on top did not reach the main window"

kill -TERM "$pid"
ends_well "SIGTERM did not end the program with the dialog open"
grep -q '^WinOnTop=" 1"$' "$work/morvanix.ini" || fail "the setting was not written: $(cat "$work/morvanix.ini")"
grep -q '^LastTrack=' "$work/morvanix.ini" || fail "shut-down did not write the settings"
echo "PASS"
