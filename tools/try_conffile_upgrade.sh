#!/usr/bin/env bash
# What dpkg does with an administrator's edited /etc/brimbelo/wolf.cfg on an upgrade, tried
# in a throwaway dpkg root (no system package database is touched, no apt is run): the
# package of BUILD_DIR relabelled as 0.1 (its wolf.cfg is the one 0.1 shipped, which
# check_deb.sh holds it to), wolf.cfg edited as the set-up of 0.1 did, then the package
# itself, with stdin closed so that any question fails. For contrast, the same upgrade with
# an example changed by one line, which must stop at the conffile question.
#   try_conffile_upgrade.sh BUILD_DIR
# Seen on 2026-12-09 with 0.2: "upgrade over an edited wolf.cfg: no question, the edit
# kept"; "with a changed example: dpkg stops at the conffile question".
set -euo pipefail
deb=$(ls -t "$1"/brimbelo_*.deb | head -1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
# relabel VERSION [EXTRA_LINE]: the package as another version, its example optionally changed.
relabel() {
  rm -rf "$work/tree"
  dpkg-deb -R "$deb" "$work/tree"
  sed -i "s/^Version: .*/Version: $1/" "$work/tree/DEBIAN/control"
  if [ -n "${2:-}" ]; then
    echo "$2" >>"$work/tree/etc/brimbelo/wolf.cfg"
    sum=$(md5sum <"$work/tree/etc/brimbelo/wolf.cfg" | cut -d' ' -f1)
    sed -i "s|^[0-9a-f]*  etc/brimbelo/wolf.cfg$|$sum  etc/brimbelo/wolf.cfg|" "$work/tree/DEBIAN/md5sums"
  fi
  dpkg-deb -b "$work/tree" "$work/brimbelo_$1.deb" >/dev/null
  echo "$work/brimbelo_$1.deb"
}
install() { dpkg --root="$root" --force-script-chrootless --force-depends --force-not-root -i "$1" </dev/null >"$work/out" 2>&1; }

install "$(relabel 0.1)" || { cat "$work/out"; exit 1; }
echo "LogFilePath=%BM_LOG%" >>"$root/etc/brimbelo/wolf.cfg"
if install "$deb" && [ "$(tail -1 "$root/etc/brimbelo/wolf.cfg")" = "LogFilePath=%BM_LOG%" ]; then
  echo "upgrade over an edited wolf.cfg: no question, the edit kept"
else
  echo "upgrade over an edited wolf.cfg FAILED:"; cat "$work/out"; exit 1
fi
if ! install "$(relabel 9.9 '; geändert')" && grep -q "conffile prompt" "$work/out"; then
  echo "with a changed example: dpkg stops at the conffile question"
else
  echo "a changed example did not stop at the conffile question:"; cat "$work/out"; exit 1
fi
