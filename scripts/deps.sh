# Sourced by scripts/test, scripts/run and scripts/fuzz: installs the Debian
# packages that are missing, with one apt-get call.
VELTO_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libgstreamer1.0-dev
  libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly gstreamer1.0-libav gstreamer1.0-tools
  timgm6mb-soundfont fonts-dejavu-core libtag1-dev"
VELTO_TEST_PACKAGES="libgtest-dev libgmock-dev libbenchmark-dev lame sox xvfb xauth xdotool
  imagemagick clang-format playerctl dbus xclip desktop-file-utils appstream man-db
  trayer x11-utils"
# Only scripts/fuzz needs these.
VELTO_FUZZ_PACKAGES="clang libfuzzer-14-dev"

velto_install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
