#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program where the shell's copy fails, as wine maps drives and devices: a drive of
# 64 KiB that takes one of three 40 KB copies, a read-only drive, COM1 pointed at a plain file
# (COM.txt with the tag behind its name must write nothing to it), a source gone after it was
# chosen; then the window in German as the user's language, and at 192 dots per inch on a
# 1920x1080 screen. Runs the OnWine cases of the window's tests in the wine prefix of the run
# (WINEPREFIX). Every mount, drive letter and setting is undone however the test ends. Skipped
# (77) without root, which the mounts need.
#   wine_test.sh WIN_FORM1_TESTS.exe FERROWICK.exe
set -euo pipefail
tests=$1
program=$2
[ "$(id -u)" -eq 0 ] || { echo "skipped: the drives need root to mount"; exit 77; }
: "${WINEPREFIX:?the wine prefix of the run}"
work=$(mktemp -d)
devices=$WINEPREFIX/dosdevices
mounted=()
letters=()
cleanup() {
  wine reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  for letter in "${letters[@]}"; do rm -f "$devices/$letter"; done
  for point in "${mounted[@]}"; do umount "$point" 2>/dev/null || umount -l "$point" || true; done
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# A drive letter wine has not given out, mapped to FOLDER, in the variable NAME.
map() {
  local letter
  for letter in f g h i j k l m n o p q r s t u v w x y; do
    [ -e "$devices/$letter:" ] || [ -L "$devices/$letter:" ] && continue
    ln -s "$1" "$devices/$letter:"
    letters+=("$letter:")
    printf -v "$2" '%s:' "${letter^^}"
    return 0
  done
  return 1
}

mkdir "$work/full" "$work/readonly" "$work/locales"
mount -t tmpfs -o size=64k,mode=0777 ferrowick-full "$work/full" && mounted+=("$work/full")
mount -t tmpfs -o ro,size=64k ferrowick-readonly "$work/readonly" && mounted+=("$work/readonly")
: >"$work/com1"
map "$work/full" full
map "$work/readonly" readonly_drive
# wine maps its ports when its server starts.
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$work/com1" /f >/dev/null
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

FERROWICK_FULL_DRIVE=$full FERROWICK_READONLY_DRIVE=$readonly_drive \
  wine "$tests" --gtest_filter='WinForm1Test.EveryCopyNotMadeIsNamed' ||
  fail "the copies not made on real drives"
[ "$(readlink "$devices/com1")" = "$work/com1" ] || fail "COM1 is not the plain file: $(readlink "$devices/com1")"
[ -f "$work/com1" ] && [ ! -s "$work/com1" ] || fail "COM1's file was written to or removed"
left=$(ls "$work/full")
[ "$left" = 1big.bin ] || fail "on the full drive: $left"
rm -f "$work/full/1big.bin"
echo "drives: the full and the read-only drive name their copies; COM1 took $(stat -c %s "$work/com1") bytes"

# The user's language as wine takes it: from the locale, which must exist.
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8"
LOCPATH=$work/locales LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= FERROWICK_LANGUAGE=de \
  wine "$tests" --gtest_filter='WinForm1Test.EveryLanguageFitsItsPlaces' || fail "the window in German"

# The program itself at 200 %: its window with its frame on the 1920x1080 screen, as the X
# server has it.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
wine "$program" >/dev/null 2>&1 &
app=$!
# Once it holds still: wine maps the window before its X window takes the size it was fitted to.
geometry="" last=""
for _ in $(seq 100); do
  geometry=$(xwininfo -name Ferrowick 2>/dev/null | awk '/Absolute upper-left Y/ {y = $NF}
    /^ *Height/ {h = $NF} /^ *Width/ {w = $NF} END {if (h) print w, h, y}') || geometry=""
  [ -n "$geometry" ] && [ "$geometry" = "$last" ] && break
  last=$geometry
  sleep 0.5
done
kill $app 2>/dev/null || true
read -r width height top <<<"${geometry:-0 0 0}"
screen=$(xdpyinfo 2>/dev/null | awk '/dimensions/ {print $2}')
[ "$height" -gt 0 ] && [ "$top" -ge 0 ] && [ $((top + height)) -le "${screen#*x}" ] ||
  fail "at 192 dots per inch the window is ${width}x$height at $top on a screen of $screen"
echo "at 192 dots per inch the window is ${width}x$height at $top on a screen of $screen"
exit $failed
