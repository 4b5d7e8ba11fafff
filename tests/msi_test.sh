#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer as an admin uses it, under wine in a prefix of its own: a silent
# install puts the program, its licence, a Start-menu entry and an Apps & features entry in
# place; the installed program opens its window; a silent removal leaves none of it behind.
#   msi_test.sh FERROWICK.msi        (DISPLAY set to an X server)
set -euo pipefail
msi=$(readlink -f "$1")
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
app=
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1

program="$WINEPREFIX/drive_c/Program Files/Ferrowick"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
shortcuts() { find "$WINEPREFIX/drive_c" -iname 'Ferrowick.lnk' 2>/dev/null; }
entry() { wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -E 'DisplayName +REG_SZ +Ferrowick$' || true; }
fail() { echo "FAILED: $*"; exit 1; }

wine msiexec /i "$msi" /qn || fail "msiexec /i exited $?"
[ -f "$program/Ferrowick.exe" ] || fail "no Ferrowick.exe in Program Files\\Ferrowick"
[ -f "$program/LICENSE.txt" ] || fail "no LICENSE.txt beside the program"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
[ -n "$(entry)" ] || fail "no Apps & features entry"
version=$(wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' |
          grep -A20 -E 'DisplayName +REG_SZ +Ferrowick$' | awk '/DisplayVersion/{print $3; exit}')
[ -n "$version" ] || fail "the Apps & features entry has no version"
echo "installed: version $version, shortcut $(shortcuts | sed "s|$WINEPREFIX/||")"

wine "$program/Ferrowick.exe" >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Ferrowick"' && break
  sleep 0.2
done
xwininfo -root -tree 2>/dev/null | grep -q '"Ferrowick"' || fail "the installed program showed no window"
echo "the installed program opened its window"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=
wineserver -w

wine msiexec /x "$msi" /qn || fail "msiexec /x exited $?"
[ ! -e "$program" ] || fail "Program Files\\Ferrowick is still there: $(ls "$program")"
[ -z "$(shortcuts)" ] || fail "the shortcut is still there"
[ -z "$(entry)" ] || fail "the Apps & features entry is still there"
echo "uninstalled: no files, no shortcut, no Apps & features entry left"
