#!/usr/bin/env bash
# The tray icon in a real tray: trayer, an XEmbed tray that needs no window
# manager, under Xvfb. The skin's Hide button hides the main window and a left
# click on the icon brings it back; hidden again, the window comes back by
# itself when the tray quits, and the icon returns to a new tray. "Exit" in
# the icon's menu then ends the program normally and takes the icon away.
# Usage: tray_icon.sh path/to/velto
source "$(dirname "$0")/xvfb.sh"
velto=$1
program=$(dirname "$velto")
need Xvfb xdotool xwininfo trayer

# The Hide button (action 2) of the default skin, with the window at 0,0.
read -r hx hy hw hh < <(skin_area B2 "$program/default.skin")
[ -n "${hh:-}" ] || fail "no Hide button in $program/default.skin"
printf '[config]\nX=0\nY=0\nSkin=%s\n' "$program/default.skin" >"$work/morvanix.ini"

tray=""
start_tray() {
  trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
  tray=$!
  helpers+=("$tray")
}
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
hidden() { ! mapped "$1"; }
# The player's window inside trayer's panel, as "id x y" (its centre on the
# screen); nothing while there is none.
icon() {
  local panel
  panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -1)
  [ -n "$panel" ] || return 0
  xwininfo -tree -id "$panel" 2>/dev/null | awk '/\("velto" "Velto"\)/ {
    split($(NF-1), size, /[x+]/); split($NF, at, /\+/)
    print $1, at[2] + int(size[1] / 2), at[3] + int(size[2] / 2); exit }'
}
docked() { [ -n "$(icon)" ]; }

start_xvfb 1024x768x24
start_tray
start_velto "$velto"
poll shown '^Velto$' || fail "the main window did not appear"
main=$(window '^Velto$')
poll docked || fail "no icon in the tray"
read -r id ix iy < <(icon)

xdotool mousemove $((hx + hw / 2)) $((hy + hh / 2)) click 1
poll hidden "$main" || fail "the Hide button did not hide the window"
xdotool mousemove "$ix" "$iy" click 1
poll mapped "$main" || fail "a left click on the icon did not bring the window back"

# The panel quits with the window hidden: the window is not lost.
xdotool mousemove $((hx + hw / 2)) $((hy + hh / 2)) click 1
poll hidden "$main" || fail "the Hide button did not hide the window again"
kill "$tray"
wait "$tray" 2>/dev/null
poll mapped "$main" || fail "the window stayed hidden after the tray quit"
start_tray
poll docked || fail "the icon did not come back to a new tray"
read -r id ix iy < <(icon)

# "Exit" is the menu's last item: Up from the top wraps to it.
# The menu is one more mapped window of the program's class.
windows() { xdotool search --onlyvisible --class '^velto$' 2>/dev/null | wc -l; }
before=$(windows)
opened() { [ "$(windows)" -gt "$before" ]; }
xdotool mousemove "$ix" "$iy" click 3
poll opened || fail "a right click on the icon opened no menu"
xdotool key Up Return
ends_well "Exit in the tray menu did not end the program"
xwininfo -id "$id" >/dev/null 2>&1 && fail "the icon is still there"
grep -q '^LastTrack=' "$work/morvanix.ini" || fail "shut-down did not write the settings"
echo "PASS"
