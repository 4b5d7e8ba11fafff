#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer as an admin meets it over two releases, under wine in a prefix of its
# own: the release before this one (made here from the same files, its version one patch level
# lower) installs; this one replaces it, leaving one Apps & features entry with the new version
# and a program that opens its window; the older one will not install over the newer and
# changes nothing; Explorer's Open with entry and right-click verb start the program with the
# file, one of each after the upgrade; ferrowick.com runs from cmd by its name, its folder on the
# system's PATH once, after the upgrade too; a silent removal leaves no file, shortcut, entry,
# Explorer key or PATH entry behind.
#   msi_test.sh FERROWICK.msi WXS_FOLDER     (DISPLAY set to an X server; WXS_FOLDER holds
#                                             ferrowick.wxs and the files it names)
set -euo pipefail
msi=$(readlink -f "$1")
wxs_folder=$(readlink -f "$2")
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
app=
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# The installer's own tables, as msiinfo reads them.
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name {print $2}'; }
version=$(property "$msi" ProductVersion)
IFS=. read -r major minor patch <<<"$version"
[ "$patch" -gt 0 ] || fail "version $version has no patch level to go below"
older_version=$major.$minor.$((patch - 1))
older=$WINEPREFIX/ferrowick-$older_version-x64.msi
(cd "$wxs_folder" && wixl --arch x64 -D Version="$older_version" -o "$older" ferrowick.wxs)
"$(dirname "$0")/../packaging/windows/add-path" "$older"
[ "$(property "$older" ProductVersion)" = "$older_version" ] || fail "the older installer is not $older_version"
[ -n "$(property "$msi" UpgradeCode)" ] || fail "no UpgradeCode"
[ "$(property "$older" UpgradeCode)" = "$(property "$msi" UpgradeCode)" ] ||
  fail "the two releases have different upgrade codes: one would not replace the other"
# What Windows says when an older release is started over a newer one (wine's quiet mode logs
# only that the launch condition failed).
msiinfo export "$older" LaunchCondition | tr -d '\r' |
  grep -qxF "NOT WIX_DOWNGRADE_DETECTED	A newer version of Ferrowick is already installed." ||
  fail "no launch condition refuses a downgrade with a message"
command='"[INSTALLDIR]Ferrowick.exe" "%1"'
registry=$(msiinfo export "$msi" Registry | tr -d '\r' | cut -f 2-5)
for row in "2	Software\Classes\Applications\Ferrowick.exe	FriendlyAppName	Ferrowick" \
  "2	Software\Classes\Applications\Ferrowick.exe\shell\open\command		$command" \
  "2	Software\Classes\*\shell\Ferrowick		Make numbered copies" \
  "2	Software\Classes\*\shell\Ferrowick\command		$command"; do
  grep -qxF "$row" <<<"$registry" || fail "not in the Registry table: $row"
done
echo "installers: $older_version and $version, one upgrade code, Explorer's keys"

wineboot -i >/dev/null 2>&1
program="$WINEPREFIX/drive_c/Program Files/Ferrowick"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Explorer's keys: the Open with entry's name and command, and every verb that runs Ferrowick.
explorer() {
  wine reg query 'HKCR\Applications\Ferrowick.exe' /v FriendlyAppName 2>/dev/null | tr -d '\r' |
    awk '$1 == "FriendlyAppName" {print "name", $3}'
  wine reg query 'HKCR\Applications\Ferrowick.exe\shell\open\command' /ve 2>/dev/null |
    tr -d '\r' | grep -o '".*' | sed 's/^/open with /'
  wine reg query 'HKCR\*\shell' /s 2>/dev/null | tr -d '\r' | grep -o '".*Ferrowick.exe.*' |
    sed 's/^/verb /'
}
# How often the program's folder is on the system's PATH. (wine's installer leaves the separator
# of an entry it removed behind, and wine's cmd stops searching at such an empty entry: the
# program is run by its name after the first install only.)
on_path() {
  wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH |
    tr -d '\r' | grep -o 'REG_EXPAND_SZ.*' | tr ';' '\n' | grep -cxF 'C:\Program Files\Ferrowick\'
}
shortcuts() { find "$WINEPREFIX/drive_c" -iname 'Ferrowick.lnk' 2>/dev/null; }
# The versions of every Apps & features entry named Ferrowick, one a line.
entries() {
  wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ {if (name == "Ferrowick") print v; name = ""; v = "?"}
         $1 == "DisplayName" {name = $3} $1 == "DisplayVersion" {v = $3}
         END {if (name == "Ferrowick") print v}'
}

wine msiexec /i "$older" /qn || fail "msiexec /i of $older_version exited $?"
[ "$(entries)" = "$older_version" ] || fail "after installing $older_version the entries are: $(entries)"
[ "$(on_path)" = 1 ] || fail "after installing $older_version the folder is on the PATH $(on_path) times"
mkdir "$WINEPREFIX/elsewhere"
[ "$(cd "$WINEPREFIX/elsewhere" && wine cmd /c ferrowick --version | tr -d '\r')" = "ferrowick $version" ] ||
  fail "cmd does not run ferrowick by its name"
wine msiexec /i "$msi" /qn || fail "msiexec /i of $version over $older_version exited $?"
[ "$(entries)" = "$version" ] || fail "after the upgrade the entries are: $(entries | tr '\n' ' ')"
[ -f "$program/Ferrowick.exe" ] || fail "no Ferrowick.exe in Program Files\\Ferrowick"
[ -f "$program/LICENSE.txt" ] || fail "no LICENSE.txt beside the program"
[ -f "$program/ferrowick.com" ] || fail "no ferrowick.com beside the program"
[ "$(on_path)" = 1 ] || fail "after the upgrade the folder is on the PATH $(on_path) times"
[ "$(shortcuts | wc -l)" -eq 1 ] || fail "not one Start-menu shortcut: $(shortcuts)"
run='"C:\Program Files\Ferrowick\Ferrowick.exe" "%1"'
[ "$(explorer)" = "$(printf 'name Ferrowick\nopen with %s\nverb %s' "$run" "$run")" ] ||
  fail "Explorer's keys after the upgrade: $(explorer)"
echo "upgraded: $older_version, then $version: one entry, version $(entries); one Open with entry and one verb"

wine "$program/Ferrowick.exe" >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do
  grep -q '"Ferrowick"' <<<"$(xwininfo -root -tree 2>/dev/null)" && break
  sleep 0.2
done
grep -q '"Ferrowick"' <<<"$(xwininfo -root -tree 2>/dev/null)" || fail "the upgraded program showed no window"
echo "the upgraded program opened its window"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=
wineserver -w

before=$(cd "$program" && md5sum Ferrowick.exe)
if wine msiexec /i "$older" /qn; then fail "$older_version installed over $version"; fi
[ "$(entries)" = "$version" ] || fail "the refused downgrade changed the entries: $(entries)"
[ "$(cd "$program" && md5sum Ferrowick.exe)" = "$before" ] || fail "the refused downgrade changed the program"
echo "downgrade to $older_version refused, nothing changed"

wine msiexec /x "$msi" /qn || fail "msiexec /x exited $?"
[ ! -e "$program" ] || fail "Program Files\\Ferrowick is still there: $(ls "$program")"
[ -z "$(shortcuts)" ] || fail "the shortcut is still there"
[ -z "$(entries)" ] || fail "an Apps & features entry is still there: $(entries)"
[ -z "$(explorer)" ] || fail "Explorer's keys are still there: $(explorer)"
[ "$(on_path)" = 0 ] || fail "the folder is still on the PATH"
echo "uninstalled: no files, no shortcut, no Apps & features entry, no Explorer key, no PATH entry left"
