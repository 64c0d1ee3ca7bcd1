#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the program
# (for example -bkg, or cfg=/path/to/wolf.cfg).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target bm -j2
exec ./build/bm "$@"
