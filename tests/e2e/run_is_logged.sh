#!/usr/bin/env bash
# End to end: the real program with a cfg= argument that switches logging on; a child plays
# a rounding run with the keyboard (one wrong answer, then the end), and the record appears
# in the masked log, the answer in the answer record beside it, with the log's mode.
#   run_is_logged.sh BM LOG_DUMP
set -euo pipefail
bm=$1
dump=$2
here=$(dirname "$0")
source "$here/drive.sh"
work=$(mktemp -d)
trap 'e2e_stop; rm -rf "$work"' EXIT
mkdir "$work/logs"
printf 'LogFilePath=%s\r\nMinimumLog=1\r\n' "$work/logs" > "$work/Schule.cfg"

e2e_start_display
e2e_start_bm "$bm" "cfg=$work/Schule.cfg" >/dev/null
e2e_menu 2 0                                   # Runden → Runde auf Zehner
e2e_wait_window "^Runde auf Zehner$" >/dev/null
e2e_type 7                                     # never a multiple of ten
e2e_key Return
e2e_wait_window "^Korrektur$" >/dev/null
e2e_key Return                                 # OK in the correction dialog
e2e_key Escape                                 # end of the run: the summary
sleep 0.5
e2e_key Return                                 # "&Ok" closes the exercise window
e2e_wait_window "^Brimbelo v0\\.1$" >/dev/null

[ -f "$work/logs/bm.log" ] || { echo "FAIL: no bm.log written"; exit 1; }
records=$("$dump" "$work/logs/")
echo "$records"
[ "$(wc -l <<<"$records")" -eq 1 ] || { echo "FAIL: expected one record"; exit 1; }
grep -Eq '^[0-9]{2}\.[0-9]{2}\.[0-9]{2} .{8}  0 ok   1 falsch    0% .{5} sec  Runde auf Zehner$' <<<"$records" \
  || { echo "FAIL: record does not show the run"; exit 1; }
[ -w "$work/logs/bm.log" ] && [ "$(id -u)" -ne 0 ] && { echo "FAIL: log left writable"; exit 1; }
[ "$(stat -c %A "$work/logs/bm.log" | cut -c3)" = "-" ] || { echo "FAIL: log left writable"; exit 1; }
answers=$("$dump" "$work/logs/" bm-antworten.log)
echo "$answers"
[ "$(wc -l <<<"$answers")" -eq 1 ] || { echo "FAIL: expected one answer record"; exit 1; }
grep -Eq '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8};301;1;Runde auf Zehner: [0-9 ]+;[0-9]+;7;[0-9]+,[0-9]{2}$' <<<"$answers" \
  || { echo "FAIL: answer record does not show the answer"; exit 1; }
[ "$(stat -c %a "$work/logs/bm-antworten.log")" = "$(stat -c %a "$work/logs/bm.log")" ] \
  || { echo "FAIL: answer record not with the log's mode"; exit 1; }
echo "1 passed, 0 failed"
