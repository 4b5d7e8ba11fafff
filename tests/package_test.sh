#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian packages scripts/package made: lintian has nothing to say of the source package
# or the .deb; the .deb holds the files a desktop and Debian need, with its run-time
# dependencies worked out, and passes hardening-check and the AppStream validator; GIO offers it
# for the common document and image types.
#   package_test.sh SOURCE_DIR PACKAGES_DIR
set -euo pipefail
source_dir=$1
dsc=$(ls "$2"/ferrowick_*.dsc)
deb=$(ls "$2"/ferrowick_*_*.deb)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
id=org.ferrowick.Ferrowick
status=0
fail() { echo "$*"; status=1; }

desktop-file-validate "$source_dir/data/$id.desktop" || fail "the desktop entry is not valid"
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/ferrowick ./usr/share/applications/$id.desktop \
  ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man1/ferrowick.1.gz \
  ./usr/share/doc/ferrowick/copyright ./usr/share/doc/ferrowick/changelog.Debian.gz \
  ./usr/share/icons/hicolor/scalable/apps/$id.svg \
  ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  grep -qxF "$path" <<<"$listing" || fail "missing from the package: $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$dependency" <<<"$depends" || fail "not a dependency: $dependency"
done
for recommended in qt6-wayland qt6-translations-l10n libc-l10n; do
  grep -q "$recommended" <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "not recommended: $recommended"
done

command -v lintian >/dev/null || fail "lintian is not installed (scripts/test installs it)"
for package in "$dsc" "$deb"; do
  tags=$(lintian --tag-display-limit 0 "$package" 2>&1 || true)
  grep -E '^[EW]: ' <<<"$tags" && fail "lintian has errors or warnings on $(basename "$package")"
done

dpkg-deb -x "$deb" "$out/root"
# Debian 12's C start files (Scrt1.o, crti.o) carry no IBT/SHSTK marks, so no program linked
# there can be marked for control-flow protection, /usr/bin/ls included; ours is compiled for it.
hardening-check --nocfprotection "$out/root/usr/bin/ferrowick" || fail "hardening-check failed"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream metainfo is not valid"
# GNOME Files offers a program under "Open With" as GIO lists it for the file's type, from the
# cache that installing the package makes and only where the program is on the PATH.
update-desktop-database "$out/root/usr/share/applications"
for type in text/plain image/png image/jpeg application/pdf application/vnd.oasis.opendocument.text \
  application/vnd.oasis.opendocument.spreadsheet \
  application/vnd.openxmlformats-officedocument.wordprocessingml.document \
  application/vnd.openxmlformats-officedocument.spreadsheetml.sheet; do
  PATH=$out/root/usr/bin:$PATH XDG_DATA_HOME=$out/none XDG_DATA_DIRS=$out/root/usr/share:/usr/share \
    gio mime "$type" 2>/dev/null | grep -qxF "$(printf '\t')$id.desktop" ||
    fail "GIO does not offer Ferrowick for $type"
done

[ $status -eq 0 ] && echo "packages ok: $(basename "$dsc"), $(basename "$deb")"
exit $status
