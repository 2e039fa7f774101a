# Installs what building, running and testing the clock needs, then leaves
# the shell in the project's root. Sourced by the scripts beside it.
set -euo pipefail
HORATICK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$HORATICK_ROOT"

HORATICK_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libxcb1-dev libasound2-dev alsa-utils fonts-dejavu-core
  xvfb xdotool x11-utils x11-apps imagemagick dbus-x11 openbox metacity
  dpkg-dev lintian appstream desktop-file-utils
  at-spi2-core python3-pyatspi
  libsystemd-dev pkg-config dbus-daemon ccache
  python3-icalendar python3-dateutil debhelper
  g++-mingw-w64-x86-64-posix wine64
)

horatick_missing_packages() {
  local missing=()
  for p in "${HORATICK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

horatick_setup() {
  local missing
  missing="$(horatick_missing_packages)"
  if [ -n "$missing" ]; then
    echo "setup: installing $missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
  fi
}

# horatick_build PRESET [TARGET...]: configures and builds the preset, all of
# it or only the targets named.
horatick_build() {
  local preset="$1"
  shift
  cmake --preset "$preset" >/dev/null
  if [ "$#" -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}
