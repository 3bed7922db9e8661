# Shared by the whole-program runs under Xvfb; sourced, not run. Gives a
# temporary folder $work, removed at exit together with the processes the
# script started ($pid: the player, killed; $helpers: Xvfb and the like,
# stopped last-started first), and the helpers below.
set -u
work=$(mktemp -d)
pid=""
helpers=()
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  local i
  for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Skips the test (77) unless every named program is installed.
need() {
  local p
  for p in "$@"; do
    command -v "$p" >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
  done
}
# Runs its arguments until they succeed, for at most ten seconds.
poll() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
  return 1
}
# Starts Xvfb on a free display of the given size and points DISPLAY at it.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>/dev/null &
  helpers+=($!)
  poll test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -1 "$work/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}
# Starts the player on $work as its VELTO_HOME, with silent outputs.
start_velto() {
  VELTO_HOME=$work VELTO_AUDIO_SINK="fakesink sync=true" VELTO_VIDEO_SINK=fakesink "$@" &
  pid=$!
}
# The first mapped window whose name matches.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
# Waits for the player to end; fails unless it ended with status 0.
ends_well() {
  poll ended || fail "$1"
  wait "$pid"
  local rc=$?
  pid=""
  [ "$rc" -eq 0 ] || fail "exit status $rc"
}
# The area x y w h of skin record $1 (B5: the Options button) in skin file $2.
skin_area() { awk -F, -v r="$1" '$1 == r { print $2, $3, $4, $5 }' "$2"; }
