#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Network folders as a Linux desktop has them, served from this machine on 127.0.0.1 only:
#   loopback_servers.sh up WORK [SERVED [SHARED]]
#                                          an sshd serving SERVED (default WORK/served), mounted
#                                          through sshfs at WORK/sshfs; an smbd serving SHARED
#                                          (default WORK/share), mounted through gvfs as GNOME Files does
#                                          (private session bus, gvfsd, gvfsd-fuse at WORK/gvfs);
#                                          prints the two mounted folders, one a line
#                                          With LOOPBACK_OWNER=PID, they are stopped as well
#                                          once process PID is gone.
#   loopback_servers.sh cut WORK           the ssh server's sessions die, as in a power cut
#   loopback_servers.sh down WORK          unmounts and stops everything "up" started, each by
#                                          the process id it recorded
# Exit status 77 when this machine cannot do it (not root, no /dev/fuse, a program missing).
set -euo pipefail
command=$1
work=$(realpath -m "$2")
pids=$work/pids

# Every process started is recorded at once, so that "down" stops it however "up" ended.
record() { echo "$1 $2" >>"$pids"; }

down() {
  for mnt in "$work/gvfs" "$work/sshfs"; do
    mountpoint -q "$mnt" 2>/dev/null && { umount "$mnt" 2>/dev/null || umount -l "$mnt"; }
  done
  [ -f "$pids" ] || return 0
  # Last started, first stopped; children of the ssh server (its sessions) go with it.
  tac "$pids" | while read -r _ pid; do
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do kill -9 "$child" 2>/dev/null || true; done
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  rm -f "$pids"
}

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# A port in the dynamic range that nothing on 127.0.0.1 answers at.
free_port() {
  local port
  while :; do
    port=$((49152 + RANDOM % 16000))
    listening "$port" || { echo "$port"; return; }
  done
}

up() {
  [ "$(id -u)" -eq 0 ] && [ -e /dev/fuse ] || { echo "needs root and /dev/fuse" >&2; exit 77; }
  for program in /usr/sbin/sshd sshfs /usr/sbin/smbd smbpasswd /usr/libexec/gvfsd \
    /usr/libexec/gvfsd-fuse gio gdbus dbus-daemon setsid; do
    command -v "$program" >/dev/null || { echo "missing $program" >&2; exit 77; }
  done
  local served=${1:-$work/served} shared=${2:-$work/share}
  rm -rf "$work/ssh" "$work/smb" "$work/run" "$work/bus"
  mkdir -p "$served" "$shared" "$work/sshfs" "$work/gvfs" "$work/ssh" "$work/run" \
    "$work/smb"/{lock,state,cache,private,pid,ncalrpc} /run/sshd
  chmod 700 "$work/run"
  trap 'down' ERR
  # Whoever started the servers may end without a word (killed at a time-out): then a watchdog
  # stops them.
  if [ -n "${LOOPBACK_OWNER:-}" ]; then
    setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done; "$2" down "$3"' _ \
      "$LOOPBACK_OWNER" "$0" "$work" </dev/null >/dev/null 2>&1 &
  fi

  # The ssh server: a throwaway host key and client key, root by key only.
  ssh-keygen -q -t ed25519 -N '' -f "$work/ssh/host_key"
  ssh-keygen -q -t ed25519 -N '' -f "$work/ssh/user_key"
  cp "$work/ssh/user_key.pub" "$work/ssh/authorized_keys"
  local port
  port=$(free_port)
  cat >"$work/ssh/sshd_config" <<EOF
ListenAddress 127.0.0.1
Port $port
HostKey $work/ssh/host_key
AuthorizedKeysFile $work/ssh/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
StrictModes no
UsePAM no
PidFile none
Subsystem sftp internal-sftp
EOF
  # Each server in a session of its own, for some signal their whole process group when they
  # stop; and none keeps this script's output open, which whoever reads it waits to end.
  setsid /usr/sbin/sshd -D -f "$work/ssh/sshd_config" -E "$work/ssh/log" </dev/null >/dev/null 2>&1 &
  record sshd $!
  wait_for 10 listening "$port"
  setsid sshfs -f -o "IdentityFile=$work/ssh/user_key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null" \
    -o "port=$port,ServerAliveInterval=2,ServerAliveCountMax=2" \
    "root@127.0.0.1:$served" "$work/sshfs" </dev/null >/dev/null 2>"$work/ssh/sshfs.log" &
  record sshfs $!
  wait_for 20 mountpoint -q "$work/sshfs"

  # The SMB server, with state of its own, and a share mounted as GNOME Files mounts one.
  port=$(free_port)
  cat >"$work/smb/smb.conf" <<EOF
[global]
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = $port
  disable netbios = yes
  server role = standalone server
  map to guest = never
  lock directory = $work/smb/lock
  state directory = $work/smb/state
  cache directory = $work/smb/cache
  private dir = $work/smb/private
  pid directory = $work/smb/pid
  ncalrpc dir = $work/smb/ncalrpc
  log file = $work/smb/log
  passdb backend = tdbsam:$work/smb/private/passdb.tdb
[share]
  path = $shared
  read only = no
EOF
  printf 'secret\nsecret\n' | smbpasswd -c "$work/smb/smb.conf" -s -a root >/dev/null
  setsid /usr/sbin/smbd -F --no-process-group -s "$work/smb/smb.conf" </dev/null >/dev/null 2>&1 &
  record smbd $!
  wait_for 10 listening "$port"

  # No volume monitors: the bus would start them as daemons of their own, out of our reach.
  export XDG_RUNTIME_DIR=$work/run GVFS_REMOTE_VOLUME_MONITOR_IGNORE=1 GIO_USE_VOLUME_MONITOR=unix
  setsid dbus-daemon --session --nofork --print-address=3 3>"$work/bus" </dev/null >/dev/null 2>"$work/dbus.log" &
  record dbus $!
  wait_for 10 test -s "$work/bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
  export DBUS_SESSION_BUS_ADDRESS
  setsid /usr/libexec/gvfsd --no-fuse </dev/null >"$work/gvfsd.log" 2>&1 &
  record gvfsd $!
  # Asked of the bus, not of gvfsd: a call to gvfsd would have the bus start a second one.
  wait_for 10 sh -c 'gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.gtk.vfs.Daemon | grep -q true'
  setsid /usr/libexec/gvfsd-fuse -f "$work/gvfs" </dev/null >"$work/gvfsd-fuse.log" 2>&1 &
  record gvfsd-fuse $!
  wait_for 10 mountpoint -q "$work/gvfs"
  printf 'root\nWORKGROUP\nsecret\n' |
    timeout 30 gio mount "smb://127.0.0.1:$port/share" >/dev/null 2>"$work/gio.log"
  local share
  share=$(find "$work/gvfs" -mindepth 1 -maxdepth 1 -name 'smb-share:*' | head -1)
  [ -n "$share" ]
  trap - ERR
  echo "$work/sshfs"
  echo "$share"
}

# The sessions of the ssh server die; the server itself stays, as after a reboot.
cut() {
  local sshd
  sshd=$(awk '$1 == "sshd" {print $2}' "$pids")
  for child in $(ps -o pid= --ppid "$sshd"); do kill -9 "$child"; done
}

case $command in
  up) up "${3:-}" "${4:-}" ;;
  cut) cut ;;
  down) down ;;
  *) echo "usage: $0 up|cut|down WORK [SERVED [SHARED]]" >&2; exit 2 ;;
esac
