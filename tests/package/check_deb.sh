#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a throwaway root and
# checks that the program, its desktop entry, icon and software-centre entry, the
# library for sibling programs with header and pkg-config file, and the school-wide
# example configuration are there and valid.
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
# Nothing in the build folder is a place bm would load code from.
! grep -qF "$(cd "$build" && pwd -P)" "$root/usr/bin/bm" || fail "bm names a place in the build folder"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-liberation fonts-comic-neue fonts-urw-base35 qt6-translations-l10n \
               libespeak-ng1 espeak-ng-data libqt6multimedia6; do
  grep -q "$package" <<<"$depends" || fail "package does not depend on $package"
done

# The software-centre entry: valid, and launching the desktop entry that is installed.
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -1)
[ -n "$metainfo" ] || fail "metainfo file missing"
appstreamcli validate --no-net "$metainfo" || fail "metainfo file invalid"
grep -q '<launchable type="desktop-id">brimbelo.desktop</launchable>' "$metainfo" || fail "metainfo launches another entry"

# The school-wide example: a conffile, so an administrator's edits survive updates.
[ -s "$root/etc/brimbelo/wolf.cfg" ] || fail "/etc/brimbelo/wolf.cfg missing"
# (Output is kept before grep -q reads it: grep's early exit would break the pipe.)
conffiles=$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles)
grep -qx /etc/brimbelo/wolf.cfg <<<"$conffiles" || fail "/etc/brimbelo/wolf.cfg is no conffile"

# A sibling program in C builds against the unpacked package with pkg-config alone,
# and runs with the library from the package.
pcfile=$(find "$root" -name brimbelo-lernprog.pc | head -1)
[ -n "$pcfile" ] || fail "pkg-config file missing"
flags=$(PKG_CONFIG_PATH=$(dirname "$pcfile") pkg-config --cflags --libs brimbelo-lernprog) \
  || fail "pkg-config does not know brimbelo-lernprog"
cat >"$root/sibling.c" <<'CODE'
#include <bm_exports.h>
#include <stdio.h>
#include <string.h>
int main(void)
{
    const uint32_t begun = start();
    printf("%zu %u\n", strlen(GetAnimInfo()), (unsigned)(stop(begun) < 1000));
    return 0;
}
CODE
# shellcheck disable=SC2086
cc -o "$root/sibling" "$root/sibling.c" $flags || fail "a sibling program does not build with pkg-config"
libdir=$(dirname "$(find "$root" -name 'libbrimbelo-lernprog.so.1' | head -1)")
[ -L "$libdir/libbrimbelo-lernprog.so" ] || fail "no link for building against the library"
[ "$(LD_LIBRARY_PATH=$libdir "$root/sibling")" = "900 1" ] || fail "the sibling program does not run"
libraries=$(ldd "$root/usr/bin/bm")
grep -q "libbrimbelo-lernprog.so.1 => $root/" <<<"$libraries" || fail "bm does not use the library of the package"
echo "1 passed, 0 failed"
