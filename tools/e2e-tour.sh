#!/usr/bin/env bash
# The whole program as a child uses it, under a private X display: the title window, every
# exercise that "bm --uebungen" lists opened on its own, one task answered in each (typed,
# or a click on the number line), the correction when the answer was wrong, the summary,
# and at the end the log viewer. A screenshot of every screen goes into the
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

# Every exercise the program lists, each started on its own as a desktop entry would.
number=1
while IFS=$'\t' read -r code title; do
  name=$(printf '%02d-%s' "$number" "$code")
  XDG_RUNTIME_DIR=$(mktemp -d) build/bm --uebung "$code" "cfg=$work/wolf.cfg" >/dev/null 2>&1 &
  exercise=$!
  window=$(e2e_wait_window "^${title}\$")
  e2e_shot "$out" "$name-task"
  # A typed answer, then a click on the number line: each kind takes the one it is
  # answered by and lets the other pass.
  e2e_type 7
  e2e_key Return
  sleep 0.4
  if e2e_visible "^Korrektur\$"; then
    e2e_shot "$out" "$name-correction"
    e2e_key Return
  fi
  # The drawing area starts at (15, 53) in the window; the base line is 70 pixels down.
  e2e_click "$window" 40 $((53 + 70))
  sleep 0.4
  if e2e_visible "^Korrektur\$"; then
    e2e_shot "$out" "$name-pointed-correction"
    e2e_key Return
  fi
  e2e_shot "$out" "$name-answered"
  e2e_key Escape
  sleep 0.4
  e2e_shot "$out" "$name-summary"
  e2e_key Return
  # Closing the exercise ends a program started for it.
  for _ in $(seq 50); do kill -0 "$exercise" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$exercise" 2>/dev/null; then
    echo "bm --uebung $code did not end with its exercise window" >&2
    exit 1
  fi
  number=$((number + 1))
done < <(build/bm --uebungen)

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
