#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a power cut, or a stick pulled out, leaves the moment a run is over. Real runs onto fresh
# ext4 and xfs file systems on loop devices; the moment each run returns, the device's backing
# file is copied as it stands, recovered as the next mount would recover it (journal or log
# replay), and every copy is compared with its source. The same for copies that another user
# makes into root's drop boxes (folders of mode 0733 and 1733, which that user may write to and
# not read), and for the disk of a server that the copies reach through sshfs, and through an
# SMB share as gvfs and kio-fuse mount it, the servers on 127.0.0.1 (scripts/loopback-servers).
# Needs root and loop devices; without them it is skipped (77).
#   durability_test.sh PROBE LOOPBACK_SERVERS_SCRIPT
set -euo pipefail
probe=$1
servers_script=$2
if [ "$(id -u)" -ne 0 ] || ! losetup -f >/dev/null 2>&1; then
  echo "skipped: needs root and loop devices"
  exit 77
fi
work=$(mktemp -d /var/tmp/ferrowick-durability.XXXXXX)
# The drop boxes' user runs a copy of the probe, from here.
chmod 755 "$work"
cp "$probe" "$work/probe"
probe=$work/probe
mounted=()
cleanup() {
  [ -d "$work/servers" ] && "$servers_script" down "$work/servers"
  for m in "${mounted[@]}"; do mountpoint -q "$m" && { umount "$m" || umount -l "$m"; }; done
  rm -rf "$work"
}
trap cleanup EXIT

head -c 20M /dev/urandom >"$work/big.bin"
head -c 4K /dev/urandom >"$work/small.bin"
head -c 3M /dev/urandom >"$work/new.bin"

failed=0
# check FS VIA NAME SOURCE COUNT [replace|MODE]: VIA is local, sshfs, smb (gvfs) or kio (the same
# share through kio-fuse): the server's disk is then the file system on the loop device, and the
# copies go to it through the server. MODE: the copies' folder is root's with that mode, and
# user nobody makes the copies.
check() {
  local fs=$1 via=$2 name=$3 source=$4 count=$5 replace=${6:-} as=()
  local image=$work/device.img mnt=$work/mnt snap=$work/after.img file
  local last=$((count + 1))
  local width=${#last}
  truncate -s 320M "$image"
  if [ "$fs" = xfs ]; then mkfs.xfs -q -f "$image"; else mkfs.ext4 -q -F "$image"; fi
  mkdir -p "$mnt"
  mount -o loop "$image" "$mnt"
  mounted+=("$mnt")
  mkdir "$mnt/copies"
  local folder=$mnt/copies
  if [ "$via" != local ]; then
    local mounts
    mounts=$(LOOPBACK_OWNER=$$ "$servers_script" up "$work/servers" "$mnt" "$mnt") || {
      [ $? -eq 77 ] && { echo "$fs via $via, $name: skipped, no servers"; umount "$mnt"; return; }
      echo "$fs via $via: the servers did not start"; failed=1; umount "$mnt"; return
    }
    # "up" prints the sshfs folder, then the share through gvfs and through kio-fuse.
    folder=$(sed -n "$(case $via in sshfs) echo 1 ;; smb) echo 2 ;; *) echo 3 ;; esac)p" <<<"$mounts")/copies
  fi
  if [ "${replace#0}" != "$replace" ] || [ "${replace#1}" != "$replace" ]; then
    chmod "$replace" "$folder"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    replace=""
  fi
  local names=()
  for i in $(seq 1 "$count"); do names+=("$(printf '%0*d' "$width" "$i")$(basename "$source")"); done
  if [ -n "$replace" ]; then
    # The old file is on the device before the run: a crash may keep it, or the new one.
    head -c 5M /dev/zero >"$mnt/copies/${names[0]}"
    sync -f "$mnt"
  fi

  "${as[@]}" "$probe" "$source" "$folder" "$count" || { echo "$fs via $via, $name: the run failed"; failed=1; }
  cp --sparse=always "$image" "$snap"
  [ "$via" = local ] || "$servers_script" down "$work/servers"

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
  echo "$fs via $via, $name: $whole of $count copies whole on the device"
  # Neither gvfs nor kio-fuse passes a flush on to an SMB server: nothing a program does through
  # them reaches the disk sooner, so the share is measured but not held to it.
  [ "$whole" -eq "$count" ] || [ "$via" = smb ] || [ "$via" = kio ] || failed=1
}

check ext4 local "3 x 20 MiB" "$work/big.bin" 3
check ext4 local "500 x 4 KiB" "$work/small.bin" 500
check ext4 local "replace" "$work/new.bin" 1 replace
check ext4 local "3 x 4 KiB into a drop box (0733)" "$work/small.bin" 3 0733
check ext4 local "3 x 4 KiB into a drop box (1733)" "$work/small.bin" 3 1733
check xfs local "3 x 20 MiB" "$work/big.bin" 3
check xfs local "500 x 4 KiB" "$work/small.bin" 500
check xfs local "replace" "$work/new.bin" 1 replace
check ext4 sshfs "3 x 20 MiB" "$work/big.bin" 3
check ext4 sshfs "replace" "$work/new.bin" 1 replace
check ext4 smb "3 x 20 MiB" "$work/big.bin" 3
check ext4 kio "3 x 20 MiB" "$work/big.bin" 3
exit $failed
