#!/usr/bin/env bash
# Makes the Debian packages brimbelo, libbrimbelo-lernprog1 and libbrimbelo-lernprog-dev
# out of a release build with the distribution's own packaging tools (debhelper), and
# leaves the .deb files in the build folder. The packaging files are worked on in a copy
# inside the build folder, so the source tree stays clean.
#   make-debs.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$build/debian-pakete
rm -rf "$work"
mkdir -p "$work"
cp -r "$here/debian" "$work/debian"
cd "$work"
rm -f "$build"/brimbelo_*.deb "$build"/libbrimbelo-lernprog*.deb
BRIMBELO_BUILD=$build debian/rules binary
ls "$build"/*.deb
