#!/usr/bin/env bash
# Start-up of bm against an empty Qt window, both under the same Xvfb in the same run:
# 10 starts each, time until the first window is mapped (median and range), their ratio,
# and the peak resident memory of each (from /usr/bin/time -v).
#   bash bench/startup.sh [BUILD_DIR]   (a build configured with -DBRIMBELO_BENCH=ON)
set -euo pipefail
build=${1:-build-bench}
runs=10
display=:$(( 90 + RANDOM % 9 ))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
# bm refuses a second copy; each start here is alone, with logging off.
export XDG_RUNTIME_DIR=$(mktemp -d)
cfg=$(mktemp)
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$cfg" "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# One start of a program: appends the milliseconds to the map and the peak resident
# memory in KiB to name's two lists.
start_once() {   # name program...
  local name=$1; shift
  local report; report=$(mktemp)
  "$build/bench/mapwait" /usr/bin/time -v -o "$report" "$@" >> "$work/$name.ms"
  awk -F': ' '/Maximum resident set size/ {print $2}' "$report" >> "$work/$name.kib"
  rm -f "$report"
}

summary() {   # name
  local name=$1 median min max peak
  sort -n "$work/$name.ms" -o "$work/$name.ms"
  median=$(awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}' "$work/$name.ms")
  min=$(head -1 "$work/$name.ms"); max=$(tail -1 "$work/$name.ms")
  peak=$(sort -n "$work/$name.kib" | tail -1)
  printf '%-12s median %7.1f ms  range %7.1f .. %7.1f ms  peak RSS %6.1f MiB\n' \
    "$name" "$median" "$min" "$max" "$(echo "$peak / 1024" | bc -l)"
  echo "$median" > "$work/$name.median"
}

# The two programs start in turns, so a busy moment of the machine falls on both alike.
for _ in $(seq $runs); do
  start_once bare "$build/bench/bare_window"
  start_once bm "$build/bm" "cfg=$cfg"
done
summary bare
summary bm
printf 'ratio bm / bare: %.2f\n' "$(echo "$(cat "$work/bm.median") / $(cat "$work/bare.median")" | bc -l)"
