#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ferrowick.com as a user of cmd meets it, under wine: `wine cmd /c ferrowick ...` with the
# program on the PATH (WINEPATH), in a folder of its own holding report.txt, stdin not a console
# (or a pseudo-terminal, which wine makes a console, where asked). Each case checks the exit
# status, stdout, stderr and the files after; then a full drive of wine's (a 64 KiB tmpfs, with
# root), Ctrl+C and a name that appears during a copy (SIGINT and a file made while a large
# copy runs), and the output redirected to a file, byte for byte the Linux command line's where
# that program is given. Every mount and drive letter is undone however the test ends.
#   console_test.sh FERROWICK.COM HOLD_OPEN.EXE [LINUX_FERROWICK]   (WINEPREFIX: the run's prefix)
set -uo pipefail
program=$(realpath "$1")
hold=$(realpath "$2")
linux=${3:+$(realpath "$3")}
: "${WINEPREFIX:?the wine prefix of the run}"
work=$(mktemp -d)
devices=$WINEPREFIX/dosdevices
letter=""
top=ferrowick-console-$$
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "/${top:?}"
  [ -n "$letter" ] && rm -f "$devices/$letter"
  umount "$work/full" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/bin" && cp "$program" "$work/bin/ferrowick.com"
export WINEPATH="Z:${work//\//\\}\\bin"
head -c 3000 /dev/urandom >"$work/report.bin"
head -c 40000 /dev/urandom >"$work/40k.bin"
head -c 1G /dev/zero >"$work/large.bin"
failed=0
if [ "$(id -u)" -eq 0 ] && mkdir "$work/full" &&
  mount -t tmpfs -o size=64k,mode=0777 ferrowick-console-full "$work/full"; then
  for l in f g h i j k l m n o p q r s t u v w x y; do
    [ -e "$devices/$l:" ] || [ -L "$devices/$l:" ] || { letter=$l:; break; }
  done
  ln -s "$work/full" "$devices/$letter"
fi

# check NAME STATUS STDOUT STDERR-WORDS FILES [old] [large] [40k] [pty:ANSWER] [during:sigint|appear]
#       [held:FILE] -- ARGS...
#   STDOUT: the "Copying to:" targets, space-separated, "/" for "\"; FILES: every file after,
#   besides report.txt, "name=old" where it must hold the old content; "=drive" for the full one.
#   held: another program holds FILE open, sharing nothing, while the run goes.
check() {
  local name=$1 status=$2 stdout=$3 words=$4 files=$5
  shift 5
  local pty="" old=0 during="" held="" source=$work/report.bin
  while [ "$1" != -- ]; do
    case $1 in
      pty:*) pty=${1#pty:} ;; old) old=1 ;; large) source=$work/large.bin ;;
      40k) source=$work/40k.bin ;; during:*) during=${1#during:} ;; held:*) held=${1#held:} ;;
    esac
    shift
  done
  shift
  local dir=$work/case
  rm -rf "$dir" && mkdir "$dir" && cp "$source" "$dir/report.txt"
  [ $old -eq 1 ] && echo old >"$dir/1report.txt"
  local holder=""
  if [ -n "$held" ]; then
    rm -f "$work/held"
    (cd "$dir" && exec wine "$hold" "$held" 30 >"$work/held") &
    holder=$!
    for _ in $(seq 100); do grep -q held "$work/held" 2>/dev/null && break; sleep 0.1; done
  fi
  local got
  if [ -n "$pty" ]; then
    # wine sets the terminal raw: an answer typed before the question is lost, and Enter is CR.
    (cd "$dir" && { for _ in $(seq 100); do grep -q '? ' "$work/raw" 2>/dev/null && break; sleep 0.1; done
      printf '%s\r' "$pty"; sleep 3; } |
      script -qfec "wine cmd /c ferrowick $*" /dev/null >"$work/raw" 2>&1)
    got=$?
    sed 's/\x1b\[[0-9?;]*[A-Za-z]//g' "$work/raw" | tr -d '\r' >"$work/err"
    grep '^Copying to: ' "$work/err" >"$work/out"
    got=$(grep -q 'Replace\|create' "$work/err" && echo "$got" || echo "not asked: $got")
  elif [ -n "$during" ]; then
    (cd "$dir" && exec wine cmd /c ferrowick "$@" </dev/null >"$work/out" 2>"$work/err") &
    local pid=$!
    for _ in $(seq 200); do grep -q Copying "$work/out" 2>/dev/null && break; sleep 0.02; done
    if [ "$during" = sigint ]; then
      kill -INT "$(pgrep -f '^ferrowick --copies' | head -n 1)"
    else
      echo old >"$dir/1report.txt"
    fi
    wait $pid
    got=$?
  else
    (cd "$dir" && wine cmd /c ferrowick "$@" </dev/null >"$work/out" 2>"$work/err")
    got=$?
  fi
  if [ -n "$holder" ]; then
    kill "$holder" 2>/dev/null
    pkill -f "hold_open.*$held" 2>/dev/null
    wait "$holder" 2>/dev/null
  fi
  local want="" t
  for t in $stdout; do want+="Copying to: $t"$'\n'; done
  local bad=()
  [ "$got" = "$status" ] || bad+=("exit status $got, not $status")
  local out
  out=$(tr '\\' / <"$work/out")
  [ -z "$during" ] && [ "$out"$'\n' != "$want" ] && [ -n "$want$out" ] && bad+=("stdout: $out")
  [ -n "$words" ] && ! grep -qF -- "$words" "$work/err" &&
    bad+=("stderr lacks \"$words\": $(cat "$work/err")")
  [ -z "$words" ] && [ -z "$pty" ] && [ -s "$work/err" ] && bad+=("stderr: $(cat "$work/err")")
  local where=$dir
  [[ $files == =drive* ]] && where=$work/full files=${files#=drive }
  local listed expected
  listed=$(cd "$where" && find . -type f ! -name report.txt | sed 's|^\./||' | sort | tr '\n' ' ')
  expected=$(tr ' ' '\n' <<<"$files" | sed 's/=old$//' | grep . | sort | tr '\n' ' ')
  # Interrupted: a copy made before Ctrl+C may stay, whole; nothing else may.
  [ "$during" = sigint ] && files=$(grep -oE '(^| )[0-9]report.txt' <<<"$listed" | tr '\n' ' ') &&
    expected=$(tr -s ' ' <<<"${files# }")
  [ "$listed" = "$expected" ] || bad+=("files: $listed, not $expected")
  for f in $files; do
    if [[ $f == *=old ]]; then
      [ "$(cat "$where/${f%=old}")" = old ] || bad+=("${f%=old} was replaced")
    else
      cmp -s "$source" "$where/$f" || bad+=("$f is not a whole copy")
    fi
  done
  rm -rf "${where:?}"/*
  if [ ${#bad[@]} -eq 0 ]; then echo "ok: $name"; else failed=1; echo "FAILED: $name"; printf "  %s\n" "${bad[@]}"; fi
}

three="1report.txt 2report.txt 3report.txt"
check "worked example" 0 "$three" "" "$three" -- --copies 3 --start 1 report.txt
check "suffix, into a folder made by --yes" 0 "out/report09.txt out/report10.txt" "" \
  "out/report09.txt out/report10.txt" -- --copies 2 --start 9 --suffix --to 'out\' --yes report.txt
check "a missing folder, no console" 1 "new/1report.txt" '"new" does not exist (--yes creates it)' "" -- \
  --copies 1 --to new report.txt
check "a missing folder, --no" 1 "new/1report.txt new/2report.txt" '"new" does not exist' "" -- \
  --copies 2 --to new --no report.txt
check "a folder that cannot be made: each copy named" 1 "report.txt/sub/1report.txt report.txt/sub/2report.txt" \
  "report.txt\sub\2report.txt: its folder does not exist." "" -- --copies 2 --yes --to 'report.txt\sub' report.txt
# From the current drive's root (Z:, which is /): both folders made.
check "folders made from the drive's root" 0 "/$top/sub/1report.txt" "" "" -- \
  --copies 1 --to "\\$top\\sub" --yes report.txt
cmp -s "$work/report.bin" "/$top/sub/1report.txt" || { echo "FAILED: no copy in /$top/sub"; failed=1; }
check "a missing folder, asked: Yes" 0 "new/1report.txt" "" "new/1report.txt" pty:y -- --copies 1 --to new report.txt
check "an existing target, no console: kept" 1 "1report.txt" '"1report.txt" exists (--yes replaces it)' \
  "1report.txt=old" old -- --copies 1 report.txt
check "an existing target, --yes" 0 "1report.txt" "" "1report.txt" old -- --copies 1 --yes report.txt
check "an existing target, --no" 1 "1report.txt 2report.txt" 'not replaced: "1report.txt" exists' \
  "1report.txt=old 2report.txt" old -- --copies 2 --no report.txt
check "an existing target, asked: No" 1 "1report.txt 2report.txt" "" "1report.txt=old 2report.txt" old pty:n -- \
  --copies 2 report.txt
check "an existing target, asked: Yes" 0 "1report.txt" "" "1report.txt" old pty:y -- --copies 1 report.txt
check "a name that appears during the copy is kept" 1 "1report.txt" "took its name" "1report.txt=old" \
  large during:appear -- --copies 1 report.txt
check "a copy's name held open: in use, kept" 1 "1report.txt 2report.txt" \
  "1report.txt: another program is using the file." "1report.txt=old 2report.txt" old \
  held:1report.txt -- --copies 2 --yes report.txt
check "the source held open: the source named" 1 "1report.txt" \
  '1report.txt: another program is using "report.txt".' "" held:report.txt -- --copies 1 report.txt
check "Ctrl+C mid-copy: nothing half-written" 130 "" "Stopped." "" large during:sigint -- --copies 3 report.txt
check "bad numbers: every problem, nothing copied" 2 "" \
  "Error: Starting number must be a whole number." "" -- --copies 0 --start x report.txt
check "sum above the limit" 2 "" "must not exceed 32767" "" -- --copies 2 --start 32767 report.txt
check "an unknown option" 2 "" "Unknown option 'bogus'." "" -- --bogus report.txt
check "an option without its value" 2 "" "Missing value after '--copies'." "" -- report.txt --copies
check "two files" 2 "" "name one file to copy" "" -- --copies 1 report.txt report.txt
check "--yes and --no" 2 "" "--yes or --no, not both" "" -- --copies 1 --yes --no report.txt
check "a device name" 1 "COM1.txt" "device COM1" "" -- --copies 1 --suffix COM.txt
check "the source gone" 1 "1gone.txt" "the source file is no longer there" "" -- --copies 1 gone.txt
if [ -n "$letter" ]; then
  check "a full drive: named, nothing short left" 1 "${letter^^}/1report.txt ${letter^^}/2report.txt ${letter^^}/3report.txt" \
    "there is not enough room on the drive" "=drive 1report.txt" 40k -- --copies 3 --to "${letter^^}" report.txt
fi
grep -q "Copying to: 1report.txt" <<<"$(cd "$work/case" && wine cmd /c ferrowick --help)" &&
  echo "FAILED: --help copied" && failed=1
for option in --help /?; do
  help=$(cd "$work/case" && wine cmd /c ferrowick "$option" | tr -d '\r')
  grep -q "^From PowerShell" <<<"$help" && grep -q "UTF-8" <<<"$help" || { echo "FAILED: $option: $help"; failed=1; }
done

# Text that survives: Greek, CJK, an emoji and Hebrew, a right-to-left override shown as a mark,
# and a folder past 260 characters, through a file, as the Linux program writes them.
name=$'\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1-\xe6\x8a\xa5\xe5\x91\x8a-\xf0\x9f\x8e\x89-\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d\xe2\x80\xaex.txt'
deep=$(printf 'folder-%03d/' $(seq 1 30))
deep=${deep%/}
bad=()
for run in windows linux; do
  rm -rf "$work/text" && mkdir -p "$work/text/$deep" && cp "$work/report.bin" "$work/text/$name"
  if [ $run = windows ]; then
    (cd "$work/text" && wine ferrowick.com --copies 2 --suffix --to "${deep//\//\\}" "$name" >"$work/$run.out" 2>&1) ||
      bad+=("windows exit $?: $(cat "$work/$run.out")")
    sed 's#\\#/#g; s#/u202e#\\u202e#g' "$work/$run.out" >"$work/$run.lines"
  elif [ -n "$linux" ]; then
    (cd "$work/text" && env -u DISPLAY -u WAYLAND_DISPLAY "$linux" --copies 2 --suffix --to "$deep" "$name" \
      >"$work/$run.lines" 2>&1) || bad+=("linux exit $?")
  else
    printf 'Copying to: %s/%s\n' "$deep" $'\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1-\xe6\x8a\xa5\xe5\x91\x8a-\xf0\x9f\x8e\x89-\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d\\u202ex1.txt' \
      "$deep" $'\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1-\xe6\x8a\xa5\xe5\x91\x8a-\xf0\x9f\x8e\x89-\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d\\u202ex2.txt' >"$work/$run.lines"
  fi
  # Without the Linux program its lines are written here, and it makes no copies.
  [ $run = linux ] && [ -z "$linux" ] && continue
  cmp -s "$work/text/$name" "$work/text/$deep/${name%.txt}2.txt" || bad+=("$run: no whole second copy in the deep folder")
done
cmp -s "$work/windows.lines" "$work/linux.lines" ||
  bad+=("the lines differ: $(diff <(od -c "$work/windows.lines") <(od -c "$work/linux.lines") | head -n 6)")
if [ ${#bad[@]} -eq 0 ]; then echo "ok: Unicode names and a ${#deep}-character folder, redirected, byte for byte"
else failed=1; echo "FAILED: Unicode names and a long folder"; printf "  %s\n" "${bad[@]}"; fi
exit $failed
