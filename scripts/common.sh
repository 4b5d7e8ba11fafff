# Shared by the scripts: install what a fresh Debian 12 machine lacks, then build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${FERROWICK_BUILD:-$ROOT/build}
BUILD_WIN=${FERROWICK_BUILD_WIN:-$ROOT/build-win}

# Installs every named Debian package that is not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake make g++ qt6-base-dev fonts-liberation)
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest)

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$BUILD" -j "$(nproc)"
}

# Ferrowick.exe and its tests, cross-built with mingw-w64.
build_windows() {
  cmake -S "$ROOT" -B "$BUILD_WIN" -DCMAKE_BUILD_TYPE=Release -DFERROWICK_QT=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build "$BUILD_WIN" -j "$(nproc)"
}

# Starts a private X server and points DISPLAY at it; it is stopped when the script exits.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}
