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
  ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
  ./usr/share/kio/servicemenus/$id.desktop ./usr/share/nemo/actions/$id.nemo_action \
  ./usr/share/nautilus-python/extensions/ferrowick.py; do
  grep -qxF "$path" <<<"$listing" || fail "missing from the package: $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$dependency" <<<"$depends" || fail "not a dependency: $dependency"
done
for recommended in qt6-wayland qt6-translations-l10n libc-l10n python3-nautilus; do
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
  # Read whole before it is searched: grep -q leaves at the first match, and gio, still writing,
  # would die of the closed pipe and fail the pipeline.
  apps=$(PATH=$out/root/usr/bin:$PATH XDG_DATA_HOME=$out/none \
    XDG_DATA_DIRS=$out/root/usr/share:/usr/share gio mime "$type" 2>/dev/null || true)
  grep -qxF "$(printf '\t')$id.desktop" <<<"$apps" || fail "GIO does not offer Ferrowick for $type"
done

# The right-click actions: what Dolphin and Nemo read of them (desktop-file-validate knows
# neither kind), and GNOME Files' extension as nautilus-python loads it, offered one file, two,
# a folder and a remote file, in German.
share=$out/root/usr/share
field() { sed -n "s/^$2=//p" "$1"; }
menu=$share/kio/servicemenus/$id.desktop
[ "$(field "$menu" X-KDE-ServiceTypes)/$(field "$menu" MimeType)/$(field "$menu" Exec)" = \
  "KonqPopupMenu/Plugin/application/octet-stream;/ferrowick %f" ] || fail "the service menu's fields"
action=$share/nemo/actions/$id.nemo_action
[ "$(field "$action" Exec)/$(field "$action" Selection)/$(field "$action" Extensions)" = \
  "ferrowick %F/s/nodirs;" ] || fail "the Nemo action's fields"
for language in de es fr it pt_BR; do
  [ -n "$(field "$menu" "Name\[$language\]")" ] || fail "the service menu has no caption in $language"
  [ "$(field "$action" "Name\[$language\]")" = "$(field "$menu" "Name\[$language\]")" ] ||
    fail "the Nemo action's caption in $language is not the service menu's"
done
mkdir "$out/bin" "$out/a folder"
printf '#!/bin/sh\nprintf "%%s|" "$@" >"%s"\n' "$out/ran" >"$out/bin/ferrowick"
chmod +x "$out/bin/ferrowick"
touch "$out/a \"file\""
PATH=$out/bin:$PATH LANGUAGE=de /usr/bin/python3 - "$share/nautilus-python/extensions" "$out" <<'END' ||
import os, sys, time
from gi.repository import Gio
sys.path.insert(0, sys.argv[1])
import ferrowick
from gi.repository import Nautilus

class Info:  # what the extension reads of Nautilus.FileInfo
    def __init__(self, uri):
        self.location = Gio.File.new_for_uri(uri)
    def get_uri_scheme(self): return self.location.get_uri_scheme()
    def get_location(self): return self.location
    def get_file_type(self):
        return self.location.query_file_type(Gio.FileQueryInfoFlags.NONE, None)

menu = ferrowick.FerrowickMenu()
assert isinstance(menu, Nautilus.MenuProvider)
file = Info(Gio.File.new_for_path(sys.argv[2] + '/a "file"').get_uri())
for files in ([file, file], [Info("file://" + sys.argv[2] + "/a%20folder")], [Info("sftp://h/x")]):
    assert menu.get_file_items(files) == [], files
[item] = menu.get_file_items([file])
assert item.props.label == "Nummerierte Kopien erstellen…", item.props.label
item.activate()
for _ in range(100):
    if os.path.exists(sys.argv[2] + "/ran") and os.path.getsize(sys.argv[2] + "/ran"): break
    time.sleep(0.05)
ran = open(sys.argv[2] + "/ran").read()
assert ran == "--|" + sys.argv[2] + '/a "file"|', ran
END
  fail "the GNOME Files extension"

[ $status -eq 0 ] && echo "packages ok: $(basename "$dsc"), $(basename "$deb")"
exit $status
