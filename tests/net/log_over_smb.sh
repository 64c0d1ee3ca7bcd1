#!/usr/bin/env bash
# The class folder on a Windows-style school server: a real smbd on 127.0.0.1 sharing the
# child's folder, mounted through smbnetfs (a FUSE client of SMB). Such a share refuses
# some opens an ordinary disk allows, so this is where a run could fail to be written.
# Runs are appended through the mount one after the other, as one workstation does, and
# must all arrive, once and whole, readable through the mount as on the server.
#   log_over_smb.sh LOG_APPEND_HELPER LOG_DUMP
set -euo pipefail
helper=$1
dump=$2
skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root to start an smbd and create the account it serves"
[ -c /dev/fuse ] || skip "no /dev/fuse: this machine cannot mount with FUSE"
[ -x /usr/sbin/smbd ] && command -v smbnetfs >/dev/null || skip "samba or smbnetfs is not installed"
# smbnetfs can only reach a server on the standard port.
! ss -ltn 'sport = :445' | grep -q LISTEN || skip "another SMB server listens on port 445"

account=bsm$$
work=$(mktemp -d)
smbd_pid=
cleanup() {
  fusermount3 -u -z "$work/pc1" 2>/dev/null || true
  [ -z "$smbd_pid" ] || kill "$smbd_pid" 2>/dev/null || true
  sleep 0.2
  userdel "$account" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ ! -f "$work/smbd.log" ] || tail -5 "$work/smbd.log"; exit 1; }
chmod 755 "$work"
useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$account"
mkdir -p "$work/server/anna" "$work/state" "$work/home/.smb" "$work/pc1"
chown "$account:" "$work/server/anna"

cat >"$work/smb.conf" <<CONFIG
[global]
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = 445
  disable netbios = yes
  server role = standalone server
  map to guest = never
  pid directory = $work/state
  lock directory = $work/state
  state directory = $work/state
  cache directory = $work/state
  private dir = $work/state
  log file = $work/smbd.log
[klasse]
  path = $work/server
  read only = no
CONFIG
printf 'geheim\ngeheim\n' | smbpasswd -c "$work/smb.conf" -s -a "$account" >/dev/null
# In a session of its own: smbd ends by signalling its whole process group.
setsid /usr/sbin/smbd -s "$work/smb.conf" -F --no-process-group </dev/null &
smbd_pid=$!
for _ in $(seq 50); do ss -ltn 'sport = :445' | grep -q LISTEN && break; sleep 0.1; done
ss -ltn 'sport = :445' | grep -q LISTEN || fail "smbd does not listen"

# The client's settings live in its home: the account's name and password for the share.
printf 'auth "%s" "geheim"\nsmbnetfs_debug 0\n' "$account" >"$work/home/.smb/smbnetfs.conf"
printf '[global]\n  client min protocol = SMB2\n' >"$work/home/.smb/smb.conf"
chmod 600 "$work/home/.smb/smbnetfs.conf"
HOME=$work/home smbnetfs -o allow_other "$work/pc1" || fail "smbnetfs cannot mount"
share=$work/pc1/127.0.0.1/klasse/anna
for _ in $(seq 50); do [ -d "$share" ] && break; sleep 0.1; done
[ -d "$share" ] || fail "the share is not reached through the mount"

# Ten runs, one after the other, each by a copy of the program's own log writer.
touch "$work/start"
for run in $(seq 10); do
  "$helper" "$share/" "Samba $run" 3 "$work/start" || fail "run $run could not be appended through the share"
done
"$dump" "$work/server/anna/" >"$work/records" || fail "the log cannot be read on the server"
lines=$(wc -l <"$work/records")
unique=$(sort -u "$work/records" | wc -l)
[ "$lines" -eq 30 ] || fail "$lines records on the server, 30 appended"
[ "$unique" -eq 30 ] || fail "records are doubled: $unique different ones of $lines"
"$dump" "$share/" | cmp -s - "$work/records" || fail "the log reads otherwise through the share"
echo "through smbnetfs: 30 of 30 records arrived, and read the same through the share"
