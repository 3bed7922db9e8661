#!/usr/bin/env bash
# `cmake --install` into a temporary DESTDIR, then the installed program,
# started from there under Xvfb on an empty user folder: it takes the default
# skin from share/velto (its Options button opens the dialog and the skin is
# the one written to the settings at exit) and its Manual tab shows the
# installed user's guide, read back through the clipboard.
# Usage: installed_program.sh path/to/build-tree
set -u
build=$1
for tool in Xvfb xdotool xclip sox; do
  command -v "$tool" >/dev/null || {
    echo "SKIP: $tool is not installed"
    exit 77
  }
done

work=$(mktemp -d)
xvfb="" pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$work/stderr" ] && sed 's/^/  velto: /' "$work/stderr"
  exit 1
}
# Runs its arguments until they succeed, for at most ten seconds.
poll() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
  return 1
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }
other() { local now; now=$(window '^Velto$'); [ -n "$now" ] && [ "$now" != "$1" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
copied() { xclip -selection clipboard -o 2>/dev/null | head -1 | grep -q "$1"; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  fail "cmake --install: $(cat "$work/install.log")"
root=$work/root/usr
share=$root/share/velto
for f in bin/velto share/applications/velto.desktop share/metainfo/org.velto.Velto.metainfo.xml \
  share/man/man1/velto.1 share/icons/hicolor/16x16/apps/velto.png \
  share/icons/hicolor/256x256/apps/velto.png share/velto/default.skin share/velto/compact.skin \
  share/velto/nocover.bmp share/velto/Velto.txt share/velto/readme.txt share/velto/skins.txt \
  share/velto/credits.txt; do
  [ -s "$root/$f" ] || fail "not installed: $f"
done

# B5, the Options button of the default skin, relative to the window.
read -r bx by bw bh < <(awk -F, '$1 == "B5" { print $2, $3, $4, $5 }' "$share/default.skin")
[ -n "${bh:-}" ] || fail "no Options button in the installed default.skin"
home=$work/home
mkdir -p "$home" "$work/runtime" && chmod 700 "$work/runtime"
printf '[config]\nX=0\nY=0\nWinOnTop=" 0"\n' >"$home/morvanix.ini"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
poll test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# From a folder that holds no skin, so only share/velto can provide one.
(cd "$work" && VELTO_HOME=$home XDG_RUNTIME_DIR=$work/runtime VELTO_AUDIO_SINK="fakesink sync=true" \
  VELTO_VIDEO_SINK=fakesink exec "$root/bin/velto" 2>"$work/stderr") &
pid=$!
# A first start has no skin yet: it says so in a box, then takes the default.
poll shown '^Velto$' || fail "nothing appeared"
box=$(window '^Velto$')
grep -q 'Previously selected skin not found ()! Using default' "$work/stderr" ||
  fail "the first start did not say that it takes the default skin"
xdotool windowfocus --sync "$box" key Return
poll other "$box" || fail "the main window did not appear"
main=$(window '^Velto$')
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + bx + bw / 2)) $((Y + by + bh / 2)) click 1
poll shown '^Velto Options$' || fail "the default skin's Options button did not open the dialog"
dialog=$(window '^Velto Options$')
# The Manual tab shows the user's guide; select it all and copy it.
xdotool windowfocus --sync "$dialog" key ctrl+Tab
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 key ctrl+a ctrl+c
poll copied "$(head -1 "$share/Velto.txt")" ||
  fail "the Manual tab did not show the installed guide: $(xclip -selection clipboard -o 2>&1 | head -3)"

kill -TERM "$pid"
poll ended || fail "SIGTERM did not end the program"
wait "$pid"
rc=$?
pid=""
[ "$rc" -eq 0 ] || fail "exit status $rc"
grep -qxF "Skin=$share/default.skin" "$home/morvanix.ini" ||
  fail "the skin in use was not the installed default: $(grep '^Skin=' "$home/morvanix.ini")"
[ "$(grep -c '^Velto:' "$work/stderr")" -eq 1 ] || fail "unexpected messages"

# A second start with a sound: GStreamer comes from the installed module,
# loaded for the first medium and not before.
sox -n -r 44100 -c 2 "$work/tone.wav" synth 3 sine 440 2>/dev/null || fail "sox made no sound"
module() { grep -q "$root/lib.*/velto/libvelto-gstreamer.so" "/proc/$pid/maps"; }
(cd "$work" && VELTO_HOME=$home XDG_RUNTIME_DIR=$work/runtime VELTO_AUDIO_SINK="fakesink sync=true" \
  VELTO_VIDEO_SINK=fakesink exec "$root/bin/velto" "$work/tone.wav" 2>"$work/stderr") &
pid=$!
poll module || fail "the installed GStreamer module was not loaded: $(cat "/proc/$pid/maps" | grep velto)"
kill -TERM "$pid"
poll ended || fail "SIGTERM did not end the second start"
wait "$pid"
pid=""
echo "PASS"
