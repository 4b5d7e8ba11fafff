#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window as Debian's Wayland desktops show it, Qt drawing its own title bar: under a headless
# weston with a 32-pixel panel, at 1280x720 and at 960x540 (1920x1080 at 200 %). Read from the
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

# A real replace question and a real error box, each a child of the main window.
log=$work/questions.log
WAYLAND_DISPLAY=laptop "$form_tests" closingWhileARealDialogIsOpen >"$log" 2>&1 || fail "form tests under Wayland"
parents=$(grep -c 'xdg_toplevel@[0-9]*\.set_parent(xdg_toplevel@' "$log" || true)
[ "$parents" -ge 2 ] || fail "the questions have no parent window ($parents set_parent)"
echo "questions: $parents given the main window as parent"
exit $failed
