#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window as a blind user hears it: Orca reads it on a private X server, with its own
# session bus and accessibility bus, and its debug log keeps each utterance (its speech itself is
# off: nothing would hear it). Driven with the keyboard alone through xdotool, in English and in
# German: a box's value whole, the number boxes named on the first Tab into them, a run's end
# spoken, the status box read line by line, and the focus on the box at fault after the
# validation box. Every process is stopped by its id, however the test ends. Skipped (77) where
# Orca or xdotool is missing.
#   screen_reader_test.sh FERROWICK
set -uo pipefail
program=$1
for tool in orca xdotool Xvfb dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "skipped: needs $tool"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: needs at-spi2-core"; exit 77; }

work=$(mktemp -d)
pids=()
stop_all() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
failed=0

# A fresh desktop for one session: X, the session bus, the accessibility bus and Orca.
# Orca is started with the system's python, whose bindings it needs.
session() {
  local home=$work/home.$1
  rm -rf "$home" && mkdir -p "$home/.config" "$home/run"
  chmod 700 "$home/run"
  export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/.config
  local display
  for display in $(seq 120 160); do [ -e "/tmp/.X11-unix/X$display" ] || break; done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=:$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$home/bus" 4>"$home/bus.pid"
  pids+=("$(cat "$home/bus.pid")")
  DBUS_SESSION_BUS_ADDRESS=$(cat "$home/bus")
  export DBUS_SESSION_BUS_ADDRESS
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  /usr/bin/python3 "$(command -v orca)" --disable speech --debug-file "$home/orca.log" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 300); do grep -q "registering keystroke listener" "$home/orca.log" 2>/dev/null && break; sleep 0.1; done
  sleep 1
}

# heard TEXT: waits, 30 seconds at most, until Orca has said something that starts with TEXT.
heard() {
  for _ in $(seq 150); do grep -qF -- "SPEECH OUTPUT: '$1" "$HOME/orca.log" && return 0; sleep 0.2; done
  return 1
}

# keys ...: each a key for xdotool (a word to type starts with "=", a line to wait for with "?"),
# with a pause to be heard. Qt hands a key to the window only once the reader has answered for
# it, and a reader with no desktop around it answers as the next key comes: a Shift, which does
# nothing, follows each.
keys() {
  local key
  for key in "$@"; do
    case $key in
      =*) xdotool type "${key#=}" ;;
      \?*) heard "${key#\?}"; continue ;;
      focus) xdotool windowfocus --sync "$window" ;;
      *) xdotool key "$key" ;;
    esac
    sleep 0.6
    xdotool key Shift_L
    sleep 0.8
  done
}

# case NAME LANGUAGE KEYS... -- EXPECTED...: one session; each expected line must be among what
# Orca said, in order; a line "focus NAME" is the object Orca moved its focus to.
case_() {
  local name=$1 language=$2
  shift 2
  local -a press=() expect=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do press+=("$1"); shift; done
  shift
  expect=("$@")
  again=()
  [ "${press[-1]}" != Down ] || again=(ctrl+Home Down)
  [ "${press[-1]}" != KP_Add ] || again=(KP_Add)
  local dir=$work/$name
  rm -rf "$dir" && mkdir -p "$dir" && printf 'quarterly figures\n' >"$dir/report.txt"
  session "$name"
  LANGUAGE=$language QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
    "$program" "$dir/report.txt" >"$dir/out" 2>&1 &
  pids+=($!)
  window=$(timeout 20 xdotool search --sync --onlyvisible --name Ferrowick | head -n 1)
  sleep 1
  keys focus "${press[@]}"
  # A reader catches up in its own time: until the last line is heard, 45 seconds at most (a
  # reader and Qt that wait on each other over the bus give up after 25).
  local last="SPEECH OUTPUT: '${expect[-1]//@DIR@/$dir}"
  [ "${expect[-1]#focus }" = "${expect[-1]}" ] || last="| ${expect[-1]#focus }]. Notify: True"
  for _ in $(seq 225); do grep -qF -- "$last" "$HOME/orca.log" && break; sleep 0.2; done
  # A busy machine can lose a key between X, Qt and the reader: the last keys once more.
  if ! grep -qF -- "$last" "$HOME/orca.log" && [ ${#again[@]} -gt 0 ]; then
    keys "${again[@]}"
    for _ in $(seq 150); do grep -qF -- "$last" "$HOME/orca.log" && break; sleep 0.2; done
  fi
  sleep 1
  local said
  # An utterance of a Say All keeps its line break, and its quote closes on the next line.
  said=$(sed -n "s/^.*SPEECH OUTPUT: '\(.*\)'{.*$/\1/p; /SPEECH OUTPUT: '.*[^}]$/s/^.*SPEECH OUTPUT: '\(.*\)$/\1/p; s/^.*Changing locusOfFocus from .* to \[[a-z ]* | \(.*\)\]\. Notify: True$/focus \1/p" "$HOME/orca.log")
  stop_all
  local line rest=$said missing=()
  # Whatever the reader asks of the window is answered: a request it makes that fails is logged.
  grep -q "Exception scrolling" "$HOME/orca.log" && missing+=("$(grep -m1 "Exception scrolling" "$HOME/orca.log")")
  for line in "${expect[@]}"; do
    line=${line//@DIR@/$dir}
    if grep -qxF -- "$line" <<<"$rest"; then
      rest=$(sed -n "/^$(sed 's/[][\/.^$*]/\\&/g' <<<"$line")\$/,\$p" <<<"$rest" | tail -n +2)
    else
      missing+=("$line")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    echo "ok: $name"
  else
    failed=1
    echo "FAILED: $name"
    printf '  not heard: %s\n' "${missing[@]}"
    printf '  heard:\n'
    sed 's/^/    /' <<<"$said"
  fi
}

# Tab, Tab: Step 2 at once; 3 copies from 1; past the options to Duplicate File; Enter runs;
# Tab to the status box and Down to its second line (from its first once more if unheard).
run=(Tab Tab =3 Tab =1 Tab Tab Return ?notification Tab "?Status read only text" Down)
case_ run_en C "${run[@]}" -- "@DIR@/report.txt." \
  "Step 2: Enter the number of copies to make. text." "Digits, 1 to 32767." \
  "notification Done. Copies made: 3 of 3, in \"@DIR@\"." \
  "Status read only text." "Copying to: @DIR@/2report.txt"
case_ run_de de "${run[@]}" -- \
  "Schritt 2: Die Anzahl der gewünschten Kopien eingeben. text." \
  "Ziffern, 1 bis 32767." \
  "notification Fertig. Kopien erstellt: 3 von 3, in „@DIR@“." \
  "Kopieren nach: @DIR@/2report.txt"
# The status box read to its end by Say All (the keypad's plus), each line scrolled into view as it
# is read.
case_ sayall_en C Tab Tab =3 Tab =1 Tab Tab Return ?notification Tab "?Status read only text" \
  KP_Add -- "Copying to: @DIR@/1report.txt" "Copying to: @DIR@/2report.txt" \
  "Copying to: @DIR@/3report.txt"
# Nothing in Step 3: after the box, the focus is on it (the window activated again, as a window
# manager does when a modal box closes).
case_ fault_en C Tab Tab =3 Tab Tab Tab Return Return focus -- "focus Starting number"
case_ fault_de de Tab Tab Tab Tab Tab Return Return focus -- "focus Anzahl der Kopien"

exit $failed
