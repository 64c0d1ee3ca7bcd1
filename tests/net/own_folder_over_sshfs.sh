#!/usr/bin/env bash
# A class set up by brimbelo-klasse on a school's server, each account mounting it with
# sshfs and `default_permissions`, as workstations do: the client then decides by owner,
# group and mode alone and sees no access list. A child's folder as earlier set-ups left
# it (root's, written by an access list) refuses her there; set up again, it is hers, she
# writes her log through the mount, a teacher reads it through hers, and another child
# reads nothing of it through his.
#   own_folder_over_sshfs.sh BRIMBELO_KLASSE LOG_APPEND_HELPER LOG_DUMP
set -euo pipefail
klasse=$1
helper=$2
dump=$3
skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root to start an sshd and create the accounts it serves"
[ -c /dev/fuse ] || skip "no /dev/fuse: this machine cannot mount with FUSE"
command -v sshfs >/dev/null && [ -x /usr/sbin/sshd ] || skip "sshfs or openssh-server is not installed"

suffix=$$
account=bos$suffix
anna=boa$suffix ben=bob$suffix teacher=bol$suffix group=bog$suffix
also_served="$anna $ben $teacher"
work=$(mktemp -d)
source "$(dirname "$0")/school_server.sh"
made=()
cleanup() {
  close_school_server
  for name in "${made[@]}"; do
    for pid in $(pgrep -u "$name" 2>/dev/null); do kill "$pid" 2>/dev/null || true; done
    userdel "$name" 2>/dev/null || true
  done
  groupdel "$group" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ ! -f "$work/sshd.log" ] || tail -5 "$work/sshd.log"; exit 1; }
as() { local name=$1; shift; setpriv --reuid="$name" --regid="$name" --init-groups -- "$@"; }

open_school_server
groupadd "$group"
for name in $also_served; do
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$name"
  made+=("$name")
  usermod -p "*" "$name"
done
usermod -aG "$group" "$teacher"

school=$work/schule class=$work/schule/klasse-3b
mkdir -p "$work/etc"
printf 'Klassenordner=%s\n' "$school" >"$work/etc/wolf.cfg"
"$klasse" einrichten "$class" --gruppe "$group" --konfig "$work/etc" "$anna" "$ben" >/dev/null \
  || fail "the class could not be set up"
# Anna's folder as earlier set-ups left it.
chown "root:$group" "$class/$anna"
chmod 2770 "$class/$anna"
setfacl -m "u:$anna:rwx" "$class/$anna"

# Each account's own mount of the school's folder, checked by the client.
mount_as() {
  mounts+=("$work/pc-$1")
  make_mount_command "$school" "$work/pc-$1" "$1"
  "${mount_command[@]}" -o default_permissions || fail "sshfs cannot mount the school's folder for $1"
}
touch "$work/start"
append_as() { as "$1" bash -c "umask 077 && exec '$helper' '$work/pc-$1/klasse-3b/$1/' '$2' 1 '$work/start'"; }

mount_as "$anna"
if append_as "$anna" "Alt" 2>"$work/old"; then fail "the client let her write a folder it sees as root's"; fi
echo "folder of an earlier set-up: $(tr '\n' ' ' <"$work/old")"
fusermount3 -u "$work/pc-$anna"

"$klasse" einrichten "$class" --gruppe "$group" --konfig "$work/etc" "$anna" "$ben" >/dev/null \
  || fail "the class could not be set up again"
[ "$(stat -c '%U:%G %a' "$class/$anna")" = "$anna:$group 2750" ] \
  || fail "set up again, her folder is $(stat -c '%U:%G %a' "$class/$anna")"
"$klasse" pruefen "$class" --konfig "$work/etc" >/dev/null || fail "pruefen finds fault with the class set up again"

mount_as "$anna"
mount_as "$teacher"
mount_as "$ben"
append_as "$anna" "Eigen" || fail "she cannot write her log through the mount"
append_as "$ben" "Seins" || fail "another child cannot write his own log through the mount"
as "$teacher" "$dump" "$work/pc-$teacher/klasse-3b/$anna/" >"$work/read" 2>&1 || fail "the teacher cannot read her log through the mount: $(cat "$work/read"; ls -la "$class/$anna"; as "$teacher" ls -la "$work/pc-$teacher/klasse-3b/$anna/" 2>&1)"
grep -q "Eigen 0" "$work/read" || fail "the teacher reads another log: $(cat "$work/read")"
if as "$ben" cat "$work/pc-$ben/klasse-3b/$anna/bm.log" >/dev/null 2>&1; then fail "another child reads her log through the mount"; fi
if as "$ben" ls "$work/pc-$ben/klasse-3b" >/dev/null 2>&1; then fail "a child lists the class through the mount"; fi
if as "$teacher" touch "$work/pc-$teacher/klasse-3b/$anna/neu" 2>/dev/null; then fail "the teacher writes into her folder"; fi
echo "own folders: she writes her log, the teacher reads it, the other child reads nothing of it"
echo "1 passed, 0 failed"
