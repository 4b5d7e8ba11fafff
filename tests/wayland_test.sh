#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window as Debian's Wayland desktops show it, Qt drawing its own title bar: under a headless
# weston with a 32-pixel panel, at 1280x720 and at 960x540 (1920x1080 at 200 %), and under a
# headless gnome-shell at 100, 150 and 200 % of 2560x1440. Read from the
# client's side of the protocol (WAYLAND_DEBUG): the app id, the window's size with its title
# bar, and the copy questions given the main window as their parent. Each weston is stopped by
# its process id, however the test ends. Skipped (77) where weston or Qt's Wayland plugin is
# missing.
#   wayland_test.sh FERROWICK FORM1_TESTS
set -euo pipefail
program=$1
form_tests=$2
command -v weston >/dev/null && ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "skipped: needs weston and qt6-wayland"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf 'quarterly figures\n' >"$work/report.txt"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# weston NAME WIDTH HEIGHT SCALE: a headless compositor whose desktop shell draws its panel.
weston_at() {
  weston --backend=headless-backend.so --width="$2" --height="$3" --scale="$4" --socket="$1" \
    --idle-time=0 >"$work/$1.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$1" ] && return 0; sleep 0.1; done
  fail "weston $1 did not start"
  return 1
}

# The height of the window with its title bar, as the client last told the compositor.
window_height() {
  sed -n 's/.*xdg_surface@[0-9]*\.set_window_geometry([0-9-]*, [0-9-]*, [0-9]*, \([0-9]*\))/\1/p' "$1" |
    tail -n 1
}

# screen NAME WIDTH HEIGHT SCALE: the window started with a file, as a file manager starts it.
screen() {
  weston_at "$1" "$2" "$3" "$4" || return 0
  local log=$work/$1-client.log height
  WAYLAND_DISPLAY=$1 timeout 4 "$program" "$work/report.txt" >"$log" 2>&1 || true
  grep -q 'set_app_id("org.ferrowick.Ferrowick")' "$log" || fail "$1: no app id"
  height=$(window_height "$log")
  # Below weston's panel of 32 pixels, the title bar on the screen.
  [ -n "$height" ] && [ "$height" -le $(($3 - 32)) ] ||
    fail "$1: the window with its title bar is ${height:-?} high on a screen of $3 under a panel of 32"
  echo "$1: ${2}x$3 at scale $4: the window with its title bar is $height high"
}

screen laptop 1280 720 1
screen hidpi 960 540 2

# GNOME as most Debian users have it: gnome-shell on a 2560x1440 screen at 100 %, at 200 % in
# mutter's own layout, which counts whole scales in device pixels (and tells Qt a screen twice its
# size), and at 150 % in the logical layout fractional scales take. Its top bar is 32 pixels
# high at any scale. gnome-shell runs as an unprivileged user in namespaces of its own, with a
# system and a session bus of its own: everything it starts ends with it.
gnome() {
  command -v gnome-shell >/dev/null && [ "$(id -u)" -eq 0 ] ||
    { echo "gnome: skipped, needs gnome-shell and root"; return 0; }
  local dir=$work/gnome
  mkdir -p "$dir/run" "$dir/home"
  cp "$program" "$dir/ferrowick"
  chmod 755 "$work"
  chown -R 65534:65534 "$dir"
  chmod 700 "$dir/run"
  cat >"$dir/system.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$dir/system</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/><allow own="*"/><allow send_destination="*"/><allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
  local as=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$dir/home"
    XDG_RUNTIME_DIR="$dir/run" XDG_CONFIG_HOME="$dir/home/.config" GIO_USE_VFS=local GVFS_DISABLE_FUSE=1
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/system" DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/session")
  # Fractional scales are mutter's experimental feature; with it, the layout can be either. The
  # namespace's first process stays root, so that it dies with unshare (a change of user would
  # clear that), and the whole namespace with it. GIO mounts nothing that could outlive it.
  unshare --pid --fork --kill-child -- sh -c '"$@"; exit $?' sh \
    "${as[@]}" sh -c '
    dbus-daemon --config-file="$1/system.conf" --nofork &
    dbus-daemon --session --address="unix:path=$1/session" --nofork &
    for _ in $(seq 100); do [ -S "$1/system" ] && [ -S "$1/session" ] && break; sleep 0.1; done
    gsettings set org.gnome.mutter experimental-features "[\"scale-monitor-framebuffer\"]"
    exec gnome-shell --headless --wayland --no-x11 --virtual-monitor 2560x1440 --wayland-display=gnome
  ' sh "$dir" >"$work/gnome.log" 2>&1 &
  pids+=($!)
  # A shell that holds its name but is slow to answer is given 10 seconds a call, not 25.
  local config=(gdbus call --session --timeout 10 --dest org.gnome.Mutter.DisplayConfig
    --object-path /org/gnome/Mutter/DisplayConfig --method org.gnome.Mutter.DisplayConfig)
  local scale layout serial="" log height room
  # Up once its socket is there and its display configuration answers: a minute at most, on a
  # machine that other tests keep busy.
  local deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    [ -S "$dir/run/gnome" ] &&
      serial=$("${as[@]}" "${config[@]}".GetCurrentState 2>/dev/null | sed -n 's/^(uint32 \([0-9]*\),.*/\1/p') &&
      [ -n "$serial" ] && break
    sleep 0.1
  done
  [ -n "$serial" ] || { fail "gnome-shell did not start: $(tail -n 3 "$work/gnome.log")"; return 0; }
  for scale in 1 2 1.4953271150588989; do
    layout=2
    [ "$scale" = 1.4953271150588989 ] && layout=1
    serial=$("${as[@]}" "${config[@]}".GetCurrentState | sed -n 's/^(uint32 \([0-9]*\),.*/\1/p')
    "${as[@]}" "${config[@]}".ApplyMonitorsConfig "$serial" 1 \
      "[(0, 0, $scale, 0, true, [('Meta-0', '2560x1440@60.000', @a{sv} {})])]" \
      "{'layout-mode': <uint32 $layout>}" >/dev/null || { fail "gnome: scale $scale refused"; continue; }
    log=$work/gnome-$scale.log
    "${as[@]}" WAYLAND_DISPLAY=gnome QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
      timeout 5 "$dir/ferrowick" "$work/report.txt" >"$log" 2>&1 || true
    height=$(window_height "$log")
    # The screen's height in the window's pixels, less the top bar.
    room=$(awk -v s="$scale" 'BEGIN {printf "%d", 1440 / s - 32}')
    [ -n "$height" ] && [ "$height" -le "$room" ] ||
      fail "gnome at $scale: the window with its title bar is ${height:-?} high where $room are free"
    echo "gnome: 2560x1440 at scale $scale: the window with its title bar is $height high of $room"
  done
}
gnome

# A real replace question and a real error box, each a child of the main window.
log=$work/questions.log
WAYLAND_DISPLAY=laptop "$form_tests" closingWhileARealDialogIsOpen >"$log" 2>&1 || fail "form tests under Wayland"
parents=$(grep -c 'xdg_toplevel@[0-9]*\.set_parent(xdg_toplevel@' "$log" || true)
[ "$parents" -ge 2 ] || fail "the questions have no parent window ($parents set_parent)"
echo "questions: $parents given the main window as parent"
exit $failed
