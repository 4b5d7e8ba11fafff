#!/usr/bin/env bash
# The desktop entry is valid, and the Debian package builds with the files a desktop needs and
# with its run-time dependencies worked out.
set -euo pipefail
source_dir=$1
build_dir=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

desktop-file-validate "$source_dir/data/ferrowick.desktop"
cpack --config "$build_dir/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/ferrowick_*.deb)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for path in ./usr/bin/ferrowick ./usr/share/applications/ferrowick.desktop \
  ./usr/share/icons/hicolor/scalable/apps/ferrowick.svg \
  ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/ferrowick.png; do
  grep -qxF "$path" <<<"$listing" || { echo "missing from the package: $path"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$dependency" <<<"$depends" || { echo "not a dependency: $dependency"; status=1; }
done
[ $status -eq 0 ] && echo "package ok: $(basename "$deb")"
exit $status
