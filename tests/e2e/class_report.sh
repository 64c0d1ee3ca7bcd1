#!/usr/bin/env bash
# End to end: "bm --klasse ORDNER --bericht DATEI" writes the class's mistakes as a table
# for its owner alone and exits without a window; a class folder that cannot be read gets
# a German message and exit status 2.
#   class_report.sh BM ANSWER_APPEND_HELPER
set -euo pipefail
bm=$1
append=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/klasse/anna" "$work/klasse/ben"
"$append" "$work/klasse/anna/" 3 >/dev/null

unset DISPLAY WAYLAND_DISPLAY
QT_QPA_PLATFORM=none "$bm" --klasse "$work/klasse" --bericht "$work/bericht.csv" \
  || { echo "FAIL: report not written"; exit 1; }
report=$(cat "$work/bericht.csv")
echo "$report"
head -1 <<<"$report" | grep -q $'^\xef\xbb\xbfKind;Übung;Aufgaben;Falsch;Fehlerbild;Anzahl;Beispiele\r$' \
  || { echo "FAIL: header line"; exit 1; }
grep -q '^anna;Runde auf Zehner;1;3;Rundungsstelle;1;' <<<"$report" || { echo "FAIL: anna's row"; exit 1; }
[ "$(stat -c %a "$work/bericht.csv")" = 600 ] || { echo "FAIL: report readable by others"; exit 1; }

status=0
"$bm" --klasse "$work/gibt-es-nicht" --bericht "$work/nichts.csv" 2>"$work/stderr" || status=$?
cat "$work/stderr"
[ "$status" -eq 2 ] || { echo "FAIL: exit status $status, not 2"; exit 1; }
grep -q 'kann nicht gelesen werden' "$work/stderr" || { echo "FAIL: no German message"; exit 1; }
[ ! -e "$work/nichts.csv" ] || { echo "FAIL: a report for no class"; exit 1; }
echo "1 passed, 0 failed"
