#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a throwaway root and
# checks that the program, its desktop entry and its icon are there and valid.
#   check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/brimbelo_*.deb | head -1)
dpkg -x "$deb" "$root"

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$root/usr/bin/bm" ] || fail "usr/bin/bm missing or not executable"
desktop="$root/usr/share/applications/brimbelo.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
grep -qx 'Exec=bm' "$desktop" || fail "desktop entry does not start bm"
grep -qx 'Icon=brimbelo' "$desktop" || fail "desktop entry names another icon"
[ -s "$root/usr/share/icons/hicolor/scalable/apps/brimbelo.svg" ] || fail "icon missing"
# The voice, loaded by bm from ../lib/brimbelo when it first reads aloud.
[ -s "$root/usr/lib/brimbelo/libbrimbelo_voice.so" ] || fail "voice library missing"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-liberation fonts-comic-neue fonts-urw-base35 \
               libespeak-ng1 espeak-ng-data libqt6multimedia6; do
  grep -q "$package" <<<"$depends" || fail "package does not depend on $package"
done
echo "1 passed, 0 failed"
