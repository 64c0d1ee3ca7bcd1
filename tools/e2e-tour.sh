#!/usr/bin/env bash
# The whole program as a child uses it, under a private X display: every one of the 17
# exercise entries opened from the menu with the keyboard, one task answered in each (a
# click on the number line for "Zahlen zeigen"), the correction when the answer was wrong,
# the summary, and at the end the log viewer. A screenshot of every screen goes into the
# folder given (default: tour/).
#   bash tools/e2e-tour.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-tour}")
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target bm -j2 >/dev/null
source tests/e2e/drive.sh

work=$(mktemp -d)
trap 'e2e_stop; rm -rf "$work"' EXIT
mkdir -p "$out" "$work/logs"
printf 'LogFilePath=%s\r\n' "$work/logs" > "$work/wolf.cfg"

e2e_start_display
e2e_start_bm "$PWD/build/bm" "cfg=$work/wolf.cfg" >/dev/null
e2e_shot "$out" 00-title

# menu, entry, window caption, file name
entries=(
  "0 0 Zahlenstrahl bis 200|zahlenstrahl-200"
  "0 1 Zahlenstrahl bis 1000|zahlenstrahl-1000"
  "0 2 Zahlenstrahl bis 10 000|zahlenstrahl-10000"
  "0 3 Gemischte Aufgaben zum Zahlenstrahl|zahlenstrahl-gemischt"
  "0 4 Zahlen zeigen|zahlen-zeigen"
  "0 5 Abstände|abstaende"
  "1 0 Schreibe Zahlen bis 1000|schreiben-1000"
  "1 1 Schreibe Zahlen bis 100 000|schreiben-100000"
  "1 2 Schreibe Zahlen größer als 1 Million|schreiben-million"
  "2 0 Runde auf Zehner|runden-zehner"
  "2 1 Runde auf Hunderter|runden-hunderter"
  "2 2 Runde auf Tausender|runden-tausender"
  "2 3 Runde auf Zehntausender|runden-zehntausender"
  "2 4 Gemischte Aufgaben zum Runden|runden-gemischt"
  "3 0 Römische Zahlen|roemisch"
  "3 1 Zahlenfolgen|zahlenfolgen"
  "3 2 Zählen|zaehlen"
)

number=1
for entry in "${entries[@]}"; do
  read -r menu item caption <<<"${entry%%|*}"
  name=$(printf '%02d-%s' "$number" "${entry##*|}")
  e2e_menu "$menu" "$item"
  window=$(e2e_wait_window "^${caption}\$")
  e2e_shot "$out" "$name-task"
  if [ "$caption" = "Zahlen zeigen" ]; then
    # The drawing area starts at (15, 53) in the window; the base line is 70 pixels down.
    e2e_click "$window" 40 $((53 + 70))
  else
    e2e_type 7
    e2e_key Return
  fi
  sleep 0.4
  if e2e_visible "^Korrektur\$"; then
    e2e_shot "$out" "$name-correction"
    e2e_key Return
  fi
  e2e_shot "$out" "$name-answered"
  e2e_key Escape
  sleep 0.4
  e2e_shot "$out" "$name-summary"
  e2e_key Return
  e2e_wait_window "^Brimbelo v0\\.1\$" >/dev/null
  number=$((number + 1))
done

e2e_menu 4 3                                   # Info → Protokoll zeigen
e2e_wait_window "^bm\\.log\$" >/dev/null
e2e_shot "$out" 90-log-viewer
e2e_key Escape
e2e_key alt Right Right Right Right Right Return   # Ende
sleep 0.5
if kill -0 "$E2E_BM" 2>/dev/null; then
  echo "the program did not end with \"Ende\"" >&2
  exit 1
fi
E2E_BM=
echo "screenshots in $out: $(ls "$out" | wc -l)"
