# Shared by the scripts: install what a fresh Debian 12 machine lacks, then build.
# SPDX-License-Identifier: MIT
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${FERROWICK_BUILD:-$ROOT/build}
BUILD_WIN=${FERROWICK_BUILD_WIN:-$ROOT/build-win}

# What each script is doing, so that a first start that installs for minutes does not look hung.
step() { printf '==> %s\n' "$*"; }

# Installs every named Debian package that is not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  step "Installing ${missing[*]} (apt-get; the first time this takes a few minutes)"
  # Nothing installed here is to run as a service: the tests start their own servers, on
  # 127.0.0.1 only, and stop them. Packages that would start one at once (ssh, samba) are told
  # not to, where nothing tells them so already.
  local policy=/usr/sbin/policy-rc.d made=0 rc=0
  if [ ! -e $policy ]; then
    printf '#!/bin/sh\nexit 101\n' | $sudo tee $policy >/dev/null && $sudo chmod +x $policy && made=1
  fi
  $sudo apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
      "${missing[@]}" || rc=$?
  [ $made -eq 0 ] || $sudo rm -f $policy
  return $rc
}

# copy_checkout DEST: the checkout's files into DEST, as a clean clone would have them: what git
# tracks and what it would take, without build folders or anything else it ignores.
copy_checkout() {
  mkdir -p "$1"
  if git -C "$ROOT" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$ROOT" ls-files -co --exclude-standard -z | tar -C "$ROOT" --null -T - -cf - | tar -C "$1" -xf -
  else
    tar -C "$ROOT" --exclude='./build*' -cf - . | tar -C "$1" -xf -
  fi
}

# What the program itself needs to build; the tests and the package need more.
# qt6-tools-dev and qt6-l10n-tools: the catalogues are built with lupdate and lrelease;
# libwayland-dev: the window asks a Wayland compositor for its outputs' own figures; libdbus-1-dev
# and pkgconf: it answers a screen reader's scroll requests on the accessibility bus itself.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libwayland-dev
  libdbus-1-dev pkgconf fonts-liberation)
# xfsprogs: the durability check makes an xfs file system as well as an ext4 one; the drives
# test makes exFAT, FAT32 and NTFS ones and mounts them through their FUSE drivers; the network
# test serves an sshfs folder and an SMB share mounted through gvfs and through kio-fuse (with
# kio-extras' SMB worker), and a WebDAV folder (rclone serve) mounted through rclone, gvfs and
# davfs2, from 127.0.0.1; the durability check runs a copy as another user
# (setpriv, in util-linux); the Wayland test runs the window under a headless weston with Qt's
# Wayland plugin, and under a headless gnome-shell; the command-line test makes the locales
# whose system messages it expects (locales, libc-l10n).
TEST_PACKAGES=(libgtest-dev xvfb xauth xfsprogs exfatprogs exfat-fuse dosfstools fusefat ntfs-3g
  openssh-server openssh-client sshfs samba dbus libglib2.0-bin gvfs-daemons gvfs-backends
  gvfs-fuse kio-fuse kio-extras kded5 rclone davfs2 weston qt6-wayland gnome-shell procps
  util-linux locales libc-l10n orca at-spi2-core xdotool)
# Debian's own tools make the packages; the Build-Depends in debian/control are the program's
# BUILD_PACKAGES, which scripts/package installs with apt-get build-dep where they are missing.
PACKAGE_PACKAGES=(dpkg-dev build-essential debhelper file)
# What tests/package_test.sh checks the package with; nautilus-python loads the GNOME Files
# extension there.
PACKAGE_CHECK_PACKAGES=(desktop-file-utils lintian devscripts appstream python3-nautilus)
# The Windows program, its icon and installer, and what its tests run under.
# msitools: msibuild puts the program's folder on the PATH in the installer (wixl writes no
# Environment table), and msiinfo reads the installers' own tables in their test.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine wine64
  librsvg2-bin icoutils wixl msitools x11-utils)

# build [-DFERROWICK_TESTS=ON|OFF] [-D...] [--target T]: configures and builds the Linux
# program in $BUILD (FERROWICK_BUILD).
build() {
  local options=(-DFERROWICK_TESTS=ON) targets=()
  while [ $# -gt 0 ]; do
    case $1 in
      -D*) options+=("$1") ;;
      --target) targets+=(--target "$2"); shift ;;
    esac
    shift
  done
  local BUILD=${FERROWICK_BUILD:-$BUILD}
  step "Configuring in $BUILD"
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
  step "Building"
  cmake --build "$BUILD" -j "$(nproc)" "${targets[@]}"
}

# Ferrowick.exe and its tests, cross-built with mingw-w64.
build_windows() {
  step "Configuring and building the Windows program in $BUILD_WIN"
  cmake -S "$ROOT" -B "$BUILD_WIN" -DCMAKE_BUILD_TYPE=Release -DFERROWICK_QT=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build "$BUILD_WIN" -j "$(nproc)"
}

# Starts a private X server with a screen of SIZE (1024x768x24 where none is given) and points
# DISPLAY at it; it is stopped when the script exits.
start_xvfb() {
  local n size=${1:-1024x768x24}
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # A server in another root (a chroot) holds the number through its abstract socket, which no
    # file here shows: Xvfb then exits at once, and the next number is tried.
    Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "Xvfb did not start" >&2
  return 1
}
