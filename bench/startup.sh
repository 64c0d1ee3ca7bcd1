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
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# bm refuses a second copy; each start here is alone, with logging off.
export XDG_RUNTIME_DIR=$(mktemp -d)
cfg=$(mktemp); : > "$cfg"

measure() {   # name program...
  local name=$1; shift
  local times=() rss=()
  for _ in $(seq $runs); do
    local report; report=$(mktemp)
    times+=("$("$build/bench/mapwait" /usr/bin/time -v -o "$report" "$@")")
    rss+=("$(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")")
    rm -f "$report"
  done
  printf '%s\n' "${times[@]}" | sort -n > "/tmp/startup-$name.txt"
  local median min max peak
  median=$(awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}' "/tmp/startup-$name.txt")
  min=$(head -1 "/tmp/startup-$name.txt"); max=$(tail -1 "/tmp/startup-$name.txt")
  peak=$(printf '%s\n' "${rss[@]}" | sort -n | tail -1)
  printf '%-12s median %7.1f ms  range %7.1f .. %7.1f ms  peak RSS %6.1f MiB\n' \
    "$name" "$median" "$min" "$max" "$(echo "$peak / 1024" | bc -l)"
  echo "$median" > "/tmp/startup-$name.median"
}

measure bare "$build/bench/bare_window"
measure bm "$build/bm" "cfg=$cfg"
printf 'ratio bm / bare: %.2f\n' "$(echo "$(cat /tmp/startup-bm.median) / $(cat /tmp/startup-bare.median)" | bc -l)"
