#!/usr/bin/env bash
# End to end: "today's exercise" on a desktop. "bm --uebungen" lists every exercise as
# CODE<TAB>title; "bm --uebung CODE" opens that exercise at once, without the title window,
# logs its run, and ends when the exercise window closes; a code that names no exercise
# is refused with a German message and status 2. On a class's shared account "Wer übt?"
# comes first and the run goes to the picked child's folder.
#   one_exercise_alone.sh BM LOG_DUMP
set -euo pipefail
bm=$1
log_dump=$2
here=$(dirname "$0")
source "$here/drive.sh"
work=$(mktemp -d)
trap 'e2e_stop; rm -rf "$work"' EXIT
mkdir -p "$work/logs"
printf 'LogFilePath=%s\r\nMinimumLog=0\r\n' "$work/logs" > "$work/wolf.cfg"
fail() { echo "FAIL: $*"; exit 1; }

listing=$("$bm" --uebungen)
[ "$(printf '%s\n' "$listing" | wc -l)" -eq 25 ] || fail "not 25 exercises listed: $listing"
printf '%s\n' "$listing" | grep -qx $'301\tRunde auf Zehner' || fail "301 is not listed with its title"
printf '%s\n' "$listing" | grep -qx $'507\tWie viele? bis 20' || fail "507 is not listed with its title"

for wrong in 999 204 Runden ""; do
  status=0
  message=$(QT_QPA_PLATFORM=offscreen "$bm" --uebung "$wrong" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 2 ] || fail "--uebung '$wrong' ended with $status, not 2"
  [[ "$message" == *"Übung"* ]] || fail "--uebung '$wrong' said: $message"
done

e2e_start_display
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work "$bm" --uebung 301 "cfg=$work/wolf.cfg" >/dev/null 2>&1 &
E2E_BM=$!
e2e_wait_window "^Runde auf Zehner$" >/dev/null || fail "the exercise did not open"
e2e_visible "^Brimbelo v0\\.1$" && fail "the title window came up as well"
e2e_type 1
e2e_key Return
sleep 0.5
e2e_visible "^Korrektur$" && e2e_key Return
e2e_key Escape                                  # the summary
sleep 0.5
e2e_key Return                                  # closes the exercise window
e2e_ended || fail "the program did not end with its exercise window"
"$log_dump" "$work/logs/" | grep -q "Runde auf Zehner" || fail "the run was not logged"

# On a class's shared account the child says who she is first, and the run is hers; her
# folder is made at her first pick. Closing "Wer übt?" ends the program without a run.
mkdir -p "$work/klasse"
printf 'Ben\nCem\n' > "$work/klasse/klassenliste.txt"
printf 'LogFilePath=%s\r\nMinimumLog=0\r\n' "$work/klasse" > "$work/klasse.cfg"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work "$bm" --uebung 301 "cfg=$work/klasse.cfg" >/dev/null 2>&1 &
E2E_BM=$!
picker=$(e2e_wait_window "^Wer übt\?$") || fail "the exercise on a shared account did not ask \"Wer übt?\""
e2e_visible "^Runde auf Zehner$" && fail "the exercise opened before a child was picked"
e2e_click "$picker" 150 110                     # the first name, Ben
e2e_wait_window "^Runde auf Zehner$" >/dev/null || fail "the exercise did not open for the picked child"
e2e_type 1
e2e_key Return
sleep 0.5
e2e_visible "^Korrektur$" && e2e_key Return
e2e_key Escape
sleep 0.5
e2e_key Return
e2e_ended || fail "the program did not end with the picked child's exercise window"
"$log_dump" "$work/klasse/Ben/" | grep -q "Runde auf Zehner" || fail "the run was not logged in the picked child's folder"
[ ! -e "$work/klasse/bm.log" ] || fail "the run was logged in the class folder"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work "$bm" --uebung 301 "cfg=$work/klasse.cfg" >/dev/null 2>&1 &
E2E_BM=$!
e2e_wait_window "^Wer übt\?$" >/dev/null || fail "the second start did not ask \"Wer übt?\""
e2e_key alt+e
e2e_ended || fail "closing \"Wer übt?\" did not end the program"
[ ! -e "$work/klasse/Cem" ] || fail "a child who was not picked got a folder"

# Each kind of the youngest opens straight into its own window.
for code in 501 502 503 504 505 506 507 508; do
  title=$(printf '%s\n' "$listing" | grep "^$code"$'\t' | cut -f2)
  HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work "$bm" --uebung "$code" "cfg=$work/wolf.cfg" >/dev/null 2>&1 &
  E2E_BM=$!
  e2e_wait_window "^${title//\?/\\?}$" >/dev/null || fail "--uebung $code did not open \"$title\""
  kill "$E2E_BM"
  wait "$E2E_BM" 2>/dev/null || true
  E2E_BM=
done
echo "1 passed, 0 failed"
