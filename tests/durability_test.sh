#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a power cut, or a stick pulled out, leaves the moment a run is over. Real runs onto fresh
# ext4 and xfs file systems on loop devices; the moment each run returns, the device's backing
# file is copied as it stands, recovered as the next mount would recover it (journal or log
# replay), and every copy is compared with its source. Needs root and loop devices; without
# them it is skipped (77).
#   durability_test.sh PROBE
set -euo pipefail
probe=$1
if [ "$(id -u)" -ne 0 ] || ! losetup -f >/dev/null 2>&1; then
  echo "skipped: needs root and loop devices"
  exit 77
fi
work=$(mktemp -d /var/tmp/ferrowick-durability.XXXXXX)
mounted=()
cleanup() {
  for m in "${mounted[@]}"; do mountpoint -q "$m" && { umount "$m" || umount -l "$m"; }; done
  rm -rf "$work"
}
trap cleanup EXIT

head -c 20M /dev/urandom >"$work/big.bin"
head -c 4K /dev/urandom >"$work/small.bin"
head -c 3M /dev/urandom >"$work/new.bin"

failed=0
# check FS NAME SOURCE COUNT [replace]
check() {
  local fs=$1 name=$2 source=$3 count=$4 replace=${5:-}
  local image=$work/device.img mnt=$work/mnt snap=$work/after.img file
  local last=$((count + 1))
  local width=${#last}
  truncate -s 320M "$image"
  if [ "$fs" = xfs ]; then mkfs.xfs -q -f "$image"; else mkfs.ext4 -q -F "$image"; fi
  mkdir -p "$mnt"
  mount -o loop "$image" "$mnt"
  mounted+=("$mnt")
  mkdir "$mnt/copies"
  local names=()
  for i in $(seq 1 "$count"); do names+=("$(printf '%0*d' "$width" "$i")$(basename "$source")"); done
  if [ -n "$replace" ]; then
    # The old file is on the device before the run: a crash may keep it, or the new one.
    head -c 5M /dev/zero >"$mnt/copies/${names[0]}"
    sync -f "$mnt"
  fi

  "$probe" "$source" "$mnt/copies" "$count"
  cp --sparse=always "$image" "$snap"

  umount "$mnt"
  if [ "$fs" = ext4 ]; then
    local rc=0
    e2fsck -fy "$snap" >/dev/null 2>&1 || rc=$?
    [ $rc -lt 4 ] || echo "e2fsck could not repair the copy of the device ($rc)"
    mount -o loop,ro "$snap" "$mnt"
  else
    mount -o loop,nouuid "$snap" "$mnt"  # the log replays as after a power cut
  fi
  local whole=0
  for file in "${names[@]}"; do cmp -s "$source" "$mnt/copies/$file" && whole=$((whole + 1)); done
  umount "$mnt"
  rm -f "$image" "$snap"
  echo "$fs, $name: $whole of $count copies whole on the device"
  [ "$whole" -eq "$count" ] || failed=1
}

check ext4 "3 x 20 MiB" "$work/big.bin" 3
check ext4 "500 x 4 KiB" "$work/small.bin" 500
check ext4 "replace" "$work/new.bin" 1 replace
check xfs "3 x 20 MiB" "$work/big.bin" 3
check xfs "500 x 4 KiB" "$work/small.bin" 500
check xfs "replace" "$work/new.bin" 1 replace
exit $failed
