#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   bash tools/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# A crash leaves its input in build-fuzz/crashes/; turn it into a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRIMBELO_FUZZ=ON -DBRIMBELO_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2
mkdir -p build-fuzz/crashes
status=0
for target in build-fuzz/tests/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "build-fuzz/corpus/$name"
  case $name in
    fuzz_logview) max_len=1048576 ;;   # logs of thousands of records
    fuzz_config) max_len=70000 ;;      # past the largest configuration that is read
    *) max_len=4096 ;;
  esac
  echo "== $name: ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$target" "build-fuzz/corpus/$name" \
      -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -artifact_prefix="build-fuzz/crashes/$name-" 2>&1 | tail -n 3; then
    status=1
  fi
done
exit $status
