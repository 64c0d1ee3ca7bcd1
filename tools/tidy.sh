#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the program's own sources; generated files
# of the build are left out. Prints the warnings and fails when there are any.
#   bash tools/tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 >/dev/null   # generated headers must exist
warnings=$(run-clang-tidy -p "$build" -quiet "^$PWD/(src|tests|bench|tools)/" 2>/dev/null \
  | grep -E '(warning|error):' | sort -u || true)
if [ -n "$warnings" ]; then
  echo "$warnings"
  exit 1
fi
echo "clang-tidy: no warnings"
