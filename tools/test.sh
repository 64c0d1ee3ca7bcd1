#!/usr/bin/env bash
# Installs what is missing, builds the program and all tests, and runs them twice: as
# released, and built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Compiled objects are reused across checkouts: paths below this folder count relative,
# and the folder a debug build runs in does not count.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$launcher"
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRIMBELO_SANITIZE=ON "$launcher"
cmake --build build-asan -j2
# Leaks inside the system's font and display libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j2
