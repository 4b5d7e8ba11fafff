#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The command line as a user meets it: the real program, with neither DISPLAY nor
# WAYLAND_DISPLAY, stdin not a terminal (or a pseudo-terminal, where asked), in a folder of its
# own holding report.txt. Each case checks the exit status, stdout, stderr and the files after.
#   command_line_test.sh FERROWICK
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
shared=$work/shared
trap 'umount "$shared" 2>/dev/null; rm -rf "$work"' EXIT
head -c 3000 /dev/urandom >"$work/report.bin"
head -c 1G /dev/zero | tr '\0' x >"$work/large.bin"
failed=0

# check NAME STATUS STDOUT STDERR-WORDS FILES [pty:ANSWER|old|sigint]... -- ARGS...
#   STDOUT: the "Copying to:" targets, space-separated; FILES: every file afterwards, besides
#   report.txt, space-separated, "name=old" where it must still hold the old content.
check() {
  local name=$1 status=$2 stdout=$3 words=$4 files=$5
  shift 5
  local pty="" old=0 sigint=0
  while [ "$1" != -- ]; do
    case $1 in pty:*) pty=${1#pty:} ;; old) old=1 ;; sigint) sigint=1 ;; esac
    shift
  done
  shift
  local dir=$work/case
  rm -rf "$dir" && mkdir "$dir" && cp "$work/report.bin" "$dir/report.txt"
  [ $old -eq 1 ] && echo old >"$dir/1report.txt"
  local run=(env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@")
  local got
  if [ -n "$pty" ]; then
    (cd "$dir" && printf '%s\n' "$pty" |
      script -qec "$(printf '%q ' "${run[@]}")" /dev/null >"$work/out" 2>&1)
    got=$?
    tr -d '\r' <"$work/out" >"$work/err" && grep '^Copying to: ' "$work/err" >"$work/out"
    # Lines written in batches still come before the question that follows them.
    grep -q "already exists" "$work/err" &&
      ! awk '/^Copying to: /{c=NR} /already exists/{if(!q)q=NR} END{exit !(c && c < q)}' "$work/err" &&
      got="the status line after the question: $got"
  elif [ $sigint -eq 1 ]; then
    cp "$work/large.bin" "$dir/report.txt"
    (cd "$dir" && exec "${run[@]}" </dev/null >"$work/out" 2>"$work/err") &
    local pid=$!
    for _ in $(seq 100); do grep -q Copying "$work/out" 2>/dev/null && break; sleep 0.05; done
    sleep 0.3
    kill -INT $pid
    wait $pid
    got=$?
  else
    (cd "$dir" && "${run[@]}" </dev/null >"$work/out" 2>"$work/err")
    got=$?
  fi
  local want="" t
  for t in $stdout; do want+="Copying to: $t"$'\n'; done
  local bad=()
  [ "$got" = "$status" ] || bad+=("exit status $got, not $status")
  local out
  out=$(cat "$work/out")
  [ -z "$pty" ] && [ $sigint -eq 0 ] && [ "$out"$'\n' != "$want" ] && [ -n "$want$out" ] &&
    bad+=("stdout: $out")
  [ -n "$words" ] && ! grep -qF -- "$words" "$work/err" &&
    bad+=("stderr lacks \"$words\": $(cat "$work/err")")
  [ -z "$words" ] && [ -z "$pty" ] && [ -s "$work/err" ] && bad+=("stderr: $(cat "$work/err")")
  local listed
  listed=$(cd "$dir" && find . -type f ! -name report.txt | sed 's|^\./||' | sort | tr '\n' ' ')
  local expected
  expected=$(tr ' ' '\n' <<<"$files" | sed 's/=old$//' | grep . | sort | tr '\n' ' ')
  # Interrupted: a copy made before the signal may stay, whole; nothing else may.
  [ $sigint -eq 1 ] && expected=$(grep -oE '(^| )[0-9]report.txt' <<<"$listed" | tr -d ' ' | tr '\n' ' ')
  [ $sigint -eq 1 ] && files=$expected
  [ "$listed" = "$expected" ] || bad+=("files: $listed, not $expected")
  for f in $files; do
    if [[ $f == *=old ]]; then
      [ "$(cat "$dir/${f%=old}")" = old ] || bad+=("${f%=old} was replaced")
    else
      cmp -s "$dir/report.txt" "$dir/$f" || bad+=("$f is not a whole copy")
    fi
  done
  if [ ${#bad[@]} -eq 0 ]; then echo "ok: $name"; else failed=1; echo "FAILED: $name"; printf "  %s\n" "${bad[@]}"; fi
}

check "worked example" 0 "1report.txt 2report.txt 3report.txt" "" \
  "1report.txt 2report.txt 3report.txt" -- --copies 3 --start 1 report.txt
check "suffix and folder, the tag as wide as start + count" 0 "out/report09.txt out/report10.txt" "" \
  "out/report09.txt out/report10.txt" -- --copies 2 --start 9 --suffix --to out/ --yes report.txt
check "bad numbers: the window's words, nothing copied" 2 "" \
  "Error: Number of copies must be greater than zero." "" -- --copies 0 --start 1 report.txt
check "sum above the limit" 2 "" "must not exceed 32767" "" -- --copies 2 --start 32767 report.txt
check "no start: from 1" 0 "1report.txt 2report.txt" "" "1report.txt 2report.txt" -- --copies 2 report.txt
check "an unknown option" 2 "" "'bogus'" "" -- --bogus report.txt
check "a misspelt option" 2 "" "Try 'ferrowick --help'." "" -- --copys 3 report.txt
check "an option without its value" 2 "" "'--copies'" "" -- report.txt --copies
check "an existing target, no terminal: kept" 1 "1report.txt" 'not replaced: "1report.txt" exists' \
  "1report.txt=old" old -- --copies 1 --start 1 report.txt
check "an existing target, --yes" 0 "1report.txt" "" "1report.txt" old -- --copies 1 --start 1 --yes report.txt
check "an existing target, --no" 1 "1report.txt" "not replaced" "1report.txt=old" old -- \
  --copies 1 --start 1 --no report.txt
check "an existing target, asked on a terminal: Yes" 0 "1report.txt" "" "1report.txt" old pty:y -- \
  --copies 1 --start 1 report.txt
check "a missing folder, no terminal" 1 "new/1report.txt" 'the folder "new" does not exist' "" -- \
  --copies 1 --start 1 --to new report.txt
check "SIGINT mid-copy: nothing half-written" 130 "" "Stopped." "" sigint -- --copies 3 --start 1 report.txt

# Another user in the same folder: a tmpfs of mode 1777 where a victim (uid 60001) runs the
# command line and another user (60002) has been at work. Names are taken byte for byte and
# shown with escapes; names shaped like our temporaries cost nothing and stay.
ff=$'\xff' fffd=$'\xef\xbf\xbd'
as() { local uid=$1; shift; setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"; }
# This computer's part of a temporary's name, as the program makes it (FNV-1a of the machine id).
machine() {
  local id h=2166136261 c i
  id=$(head -n 1 /etc/machine-id 2>/dev/null || head -n 1 /var/lib/dbus/machine-id 2>/dev/null || hostname)
  for ((i = 0; i < ${#id}; i++)); do
    printf -v c '%d' "'${id:i:1}"
    h=$(((h ^ c) * 16777619 & 0xFFFFFFFF))
  done
  printf '%08x' "$h"
}
if [ "$(id -u)" -eq 0 ] && mkdir "$shared" && mount -t tmpfs -o mode=1777 ferrowick-shared "$shared"; then
  chmod 755 "$work" && cp "$program" "$work/ferrowick"
  victim() { as 60001 env -u DISPLAY -u WAYLAND_DISPLAY "$work/ferrowick" "$@" </dev/null 2>&1; }
  as 60001 sh -c "printf mine >'$shared/$ff.txt'; mkdir '$shared/${ff}dir' '$shared/out'; printf mine >'$shared/out/report.txt'"
  as 60002 sh -c "printf theirs >'$shared/$fffd.txt'; mkdir -m 777 '$shared/${fffd}dir'"
  for p in $(seq 1000001 1000200); do as 60002 touch "$shared/.~ferrowick-$(machine)-$p-1.tmp"; done
  bad=()
  out=$(victim --copies 1 --to "$shared/out" "$shared/$ff.txt")
  [ "$(cat "$shared/out/1$ff.txt" 2>/dev/null)" = mine ] || bad+=("a source not UTF-8: $out")
  grep -qxF "Copying to: $shared/out/1\\xff.txt" <<<"$out" || bad+=("not shown with an escape: $out")
  out=$(victim --copies 1 --to "$shared/${ff}dir" "$shared/out/report.txt")
  [ -f "$shared/${ff}dir/1report.txt" ] && [ -z "$(ls -A "$shared/${fffd}dir")" ] ||
    bad+=("a folder not UTF-8: $out")
  # A run beside 200 planted names takes as long as one without, and leaves them all.
  start=$(date +%s%N)
  out=$(victim --copies 1 --to "$shared" "$shared/out/report.txt")
  took=$((($(date +%s%N) - start) / 1000000))
  [ "$took" -lt 1000 ] && [ "$(ls -A "$shared" | grep -c '^\.~ferrowick')" -eq 200 ] ||
    bad+=("beside 200 planted names: ${took} ms, $(ls -A "$shared" | grep -c '^\.~ferrowick') left: $out")
  # A C1 control (8-bit CSI) and a right-to-left override reach no terminal raw.
  name=$'a\xc2\x9bb\xe2\x80\xaec.txt'
  as 60001 cp "$shared/out/report.txt" "$shared/$name"
  out=$(victim --copies 1 "$shared/$name")
  grep -qxF "Copying to: $shared/1a\\u009bb\\u202ec.txt" <<<"$out" || bad+=("controls shown raw: $out")
  if [ ${#bad[@]} -eq 0 ]; then echo "ok: another user in the same folder (${took} ms beside 200 planted names)"
  else failed=1; echo "FAILED: another user in the same folder"; printf "  %s\n" "${bad[@]}"; fi
  umount "$shared"
fi

# In the desktop's language: the window's words for the status line, the input check and the
# copy error, and the system's own reason in the same language (glibc's, from a locale made
# here). LANG=C is the program's own English.
locales=$work/locales
mkdir -p "$locales" "$work/lang" && cp "$work/report.bin" "$work/lang/report.txt"
echo x >"$work/lang/plain"
while IFS='|' read -r language locale lead invalid reason; do
  [ "$locale" = C ] || localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8" || failed=1
  run=(env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES LOCPATH="$locales"
    LANGUAGE="$language" LANG="$locale.UTF-8" "$program")
  bad=()
  out=$(cd "$work/lang" && "${run[@]}" --copies 0 --start 1 report.txt 2>&1)
  grep -qxF "$invalid" <<<"$out" || bad+=("no \"$invalid\": $out")
  out=$(cd "$work/lang" && "${run[@]}" --copies 1 --start 1 --to plain/sub report.txt 2>&1)
  grep -qxF "${lead}plain/sub/1report.txt" <<<"$out" || bad+=("no status line \"$lead\": $out")
  grep -qF ": $reason" <<<"$out" || bad+=("no reason \"$reason\": $out")
  if [ ${#bad[@]} -eq 0 ]; then echo "ok: $language"; else failed=1; echo "FAILED: $language"; printf "  %s\n" "${bad[@]}"; fi
done <<'TABLE'
C|C|Copying to: |Error: Number of copies must be greater than zero.|Not a directory
de|de_DE|Kopieren nach: |Fehler: Die Anzahl der Kopien muss größer als null sein.|Ist kein Verzeichnis
fr|fr_FR|Copie vers : |Erreur : le nombre de copies doit être supérieur à zéro.|N'est pas un dossier
es|es_ES|Copiando en: |Error: el número de copias debe ser mayor que cero.|No es un directorio
it|it_IT|Copia in: |Errore: il numero di copie deve essere maggiore di zero.|Non è una directory
pt_BR|pt_BR|Copiando para: |Erro: o número de cópias deve ser maior que zero.|Não é um diretório
TABLE
exit $failed
