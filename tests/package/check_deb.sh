#!/usr/bin/env bash
# Makes the Debian packages from a build folder, has lintian check them (no error, no
# warning), unpacks them into a throwaway root and checks that the program with its two
# desktop entries, icon, software-centre entry, manual pages and class set-up, the
# library for sibling programs with header and pkg-config file, and the school-wide
# example configuration are there and valid.
#   check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

bash "$here/../../packaging/make-debs.sh" "$build" >/dev/null
deb=$(ls -t "$build"/brimbelo_*.deb | head -1)
library=$(ls -t "$build"/libbrimbelo-lernprog1_*.deb | head -1)
dev=$(ls -t "$build"/libbrimbelo-lernprog-dev_*.deb | head -1)
for package in "$deb" "$library" "$dev"; do dpkg -x "$package" "$root"; done

fail() { echo "FAIL: $*"; exit 1; }
# What a school's administrator checks first; every tag that remains is explained in an
# override beside the package's files.
lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" "$library" "$dev" \
  || fail "lintian finds tags"
for package in "$deb" "$library" "$dev"; do
  summary=$(dpkg-deb -f "$package" Description | LC_ALL=C sed -n 1p)
  LC_ALL=C; [[ $summary =~ ^[a-z][\ -~]*$ ]] || fail "$package is not described in English as Debian's packages are"; unset LC_ALL
done
copyright=$(find "$root/usr/share/doc/brimbelo" -name copyright)
grep -qx 'License: GPL-3.0+' "$copyright" || fail "the copyright file names another licence"
symbols=$(dpkg-deb --ctrl-tarfile "$library" | tar -xO ./symbols)
grep -q '^ start@BRIMBELO_LERNPROG_1 ' <<<"$symbols" || fail "the library has no symbols file"
[ -x "$root/usr/bin/bm" ] || fail "usr/bin/bm missing or not executable"
desktop="$root/usr/share/applications/brimbelo.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
grep -qx 'Exec=bm' "$desktop" || fail "desktop entry does not start bm"
grep -qx 'Icon=brimbelo' "$desktop" || fail "desktop entry names another icon"
# The teachers' way in, straight to the class overview.
overview="$root/usr/share/applications/brimbelo-klassenuebersicht.desktop"
desktop-file-validate "$overview" || fail "class overview entry missing or invalid"
grep -qx 'Name=Brimbelo Klassenübersicht' "$overview" || fail "class overview entry has another name"
grep -qx 'Exec=bm --klasse' "$overview" || fail "class overview entry does not open the overview"
[ -x "$root/usr/sbin/brimbelo-klasse" ] || fail "usr/sbin/brimbelo-klasse missing or not executable"
for page in man1/bm.1.gz de/man1/bm.1.gz man8/brimbelo-klasse.8.gz de/man8/brimbelo-klasse.8.gz; do
  [ -s "$root/usr/share/man/$page" ] || fail "manual page $page missing"
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/brimbelo.svg" ] || fail "icon missing"
# The voice, loaded by bm from ../lib/brimbelo when it first reads aloud.
[ -n "$(find "$root/usr/lib" -path '*/brimbelo/libbrimbelo_voice.so')" ] || fail "voice library missing"
# Nothing in the build folder is a place bm would load code from.
! grep -qF "$(cd "$build" && pwd -P)" "$root/usr/bin/bm" || fail "bm names a place in the build folder"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libbrimbelo-lernprog1 libacl1 libqt6widgets6 fonts-liberation fonts-comic-neue fonts-urw-base35 qt6-translations-l10n \
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
# dpkg asks about an edited conffile only when the package ships another one than the
# version installed: the example stays the one of 0.1, whose set-up edited it on every
# workstation with a class, so that apt-get -y upgrades them without a question.
[ "$(md5sum <"$root/etc/brimbelo/wolf.cfg")" = "bf712fd80ea55f4504c93845a90dc13c  -" ] \
  || fail "/etc/brimbelo/wolf.cfg differs from the one of 0.1: upgrades over an edited copy would stop at a question"
# The dynamic linker learns of the library by a trigger, not by a call in a script.
triggers=$(dpkg-deb --ctrl-tarfile "$library" | tar -xO ./triggers)
grep -q 'ldconfig' <<<"$triggers" || fail "the library package has no ldconfig trigger"

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
