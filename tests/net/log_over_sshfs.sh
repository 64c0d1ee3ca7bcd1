#!/usr/bin/env bash
# The class folder on a school's server, as pupils' homes are mounted there: a real sshd
# on 127.0.0.1, the log folder mounted twice with sshfs (two workstations of one child),
# and copies of the program's own log writer appending through both mounts at once.
# sshfs does not pass locks on, and each copy makes the log read-only again after its
# record, so this is where runs used to get lost. Every record must arrive, once and
# whole, and the log must be read-only afterwards. Then the server stops answering while
# a run is saved: the window must go on, and the run must be kept and delivered later.
# Then the class overview meets a server that does not answer for one child.
# Then the connection breaks off while a long log is read: that must be said, not a part
# of the log shown as if it were all, and so must a write to the broken mount. Last, a
# server that takes no writes must be named as read-only, not as missing rights.
#   log_over_sshfs.sh LOG_APPEND_HELPER LOG_DUMP RUN_SAVING_HELPER CLASS_PROBLEMS
set -euo pipefail
helper=$1
dump=$2
saver=$3
problems=$4
skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root to start an sshd and create the account it serves"
[ -c /dev/fuse ] || skip "no /dev/fuse: this machine cannot mount with FUSE"
command -v sshfs >/dev/null && [ -x /usr/sbin/sshd ] || skip "sshfs or openssh-server is not installed"

account=bss$$
work=$(mktemp -d)
source "$(dirname "$0")/school_server.sh"
cleanup() {
  close_school_server
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ ! -f "$work/sshd.log" ] || tail -5 "$work/sshd.log"; exit 1; }
open_school_server
folder=$work/server/anna
mkdir -p "$folder"
chown "$account:" "$folder"
mount_folder() {
  mounts+=("$1")
  make_mount_command "$folder" "$1"
  "${mount_command[@]}" || fail "sshfs cannot mount $folder"
}
mount_folder "$work/pc1"
mount_folder "$work/pc2"

# Copies of the log writer, each through its mount, all started by one signal.
# Arguments: a name for this round's runs, records per copy, then the mounts, one per copy.
append_at_once() {
  local round=$1 count=$2; shift 2
  local start=$work/start-$RANDOM pids=() n=0
  for mount in "$@"; do
    n=$((n + 1))
    "$helper" "$mount/" "$round $n" "$count" "$start" &
    pids+=($!)
  done
  sleep 0.5
  touch "$start"
  local failed=0
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  [ "$failed" -eq 0 ] || fail "a copy could not append its records (see above)"
}

check_log() {
  local expected=$1
  "$dump" "$folder/" >"$work/records" || fail "the log cannot be read"
  local lines unique
  lines=$(wc -l <"$work/records")
  unique=$(sort -u "$work/records" | wc -l)
  [ "$lines" -eq "$expected" ] || fail "$lines records in the log, $expected appended"
  [ "$unique" -eq "$expected" ] || fail "records are doubled: $unique different ones of $lines"
  [ "$(stat -c %a "$folder/bm.log")" = 444 ] || fail "the log is left with mode $(stat -c %a "$folder/bm.log")"
}

# Two workstations, 150 runs each.
append_at_once "Zwei Plätze" 150 "$work/pc1" "$work/pc2"
check_log 300
echo "two mounts: 300 of 300 records arrived"

# Eight workstations ending their runs at one instant.
append_at_once "Acht Plätze" 20 "$work/pc1" "$work/pc2" "$work/pc1" "$work/pc2" "$work/pc1" "$work/pc2" "$work/pc1" "$work/pc2"
check_log 460
echo "eight copies: 160 of 160 more records arrived"

# The server stops answering (its processes for this account held) while a run is saved,
# and comes back before the program ends: a program that waits for the server at its end
# would otherwise wait for ever.
server=$(pgrep -u "$account" | tr '\n' ' ')
[ -n "$server" ] || fail "the server's processes for $account are not found"
kept=$work/data/brimbelo/ausstehend.log
# shellcheck disable=SC2086
kill -STOP $server
XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen "$saver" "$work/pc1/" "Angehalten" 8 >"$work/held" &
saving=$!
sleep 6
held_kept=$( [ -f "$kept" ] && wc -l <"$kept" || echo 0)
# shellcheck disable=SC2086
kill -CONT $server
wait "$saving" || fail "the program did not end well after the server came back"
read -r longest notice told <"$work/held"
echo "server held: the window waited at most $longest ms; notice shown: $notice, child told: $told"
# A window that waited for the server would stand still for the 6 s it is held; the bound
# leaves room for a busy machine (the figure itself is printed above).
[ "$longest" -le 2000 ] || fail "the window stood still for $longest ms while the run was saved"
[ "$notice" -eq 1 ] || fail "\"Wird gespeichert …\" was not shown"
[ "$told" -eq 1 ] || fail "the child was not told that her run is kept"
[ "$held_kept" -eq 1 ] || fail "the run was not kept on this computer while the server was held"

# With the server back, the kept run arrives (here from the worker that waited for the
# server, else with the next run) and the next run after it.
read -r longest notice told < <(XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen "$saver" "$work/pc1/" "Weiter" 3)
[ ! -e "$kept" ] || fail "runs are still kept after the server came back: $(wc -l <"$kept")"
[ "$told" -eq 0 ] || fail "the child was told her run is kept although the server took it"
check_log 462
tail -2 "$work/records" | grep -q "Angehalten 0" || fail "the kept run is not in the log before the next one"
tail -1 "$work/records" | grep -q "Weiter 0" || fail "the next run is not the last in the log"
echo "server back: the kept run and the next one arrived, in their order"

# The class overview while one child's server does not answer: that child is named, and
# the others are read all the same.
klasse=$work/klasse
mkdir -p "$klasse/anna"
printf 'kein Lauf\r\n' >"$klasse/anna/bm.log"
mounts+=("$klasse/ben")
make_mount_command "$folder" "$klasse/ben"
"${mount_command[@]}" || fail "sshfs cannot mount $folder as a child's folder"
ls "$klasse/ben" >/dev/null
held=$(pgrep -u "$account" | tr '\n' ' ')
# shellcheck disable=SC2086
kill -STOP $held
# The overview has its say within its patience; its process ends only once the server
# answers the read it left behind.
"$problems" "$klasse" >"$work/overview" &
overview=$!
for _ in $(seq 100); do [ "$(wc -l <"$work/overview")" -ge 2 ] && break; sleep 0.1; done
# shellcheck disable=SC2086
kill -CONT $held
wait "$overview" || true
echo "overview, one server held: $(tr '\n' ' ' <"$work/overview")"
grep -q "^ben: .*der Server hat nicht innerhalb von 4 Sekunden geantwortet" "$work/overview" \
  || fail "a child whose server does not answer is not named so: $(cat "$work/overview")"
grep -q "^anna: Das Protokoll enthält 1 nicht lesbaren Eintrag" "$work/overview" \
  || fail "the other child was not read while one server did not answer: $(cat "$work/overview")"

# The connection breaks off while a long log is read (its sshfs ended as by a crash).
long=$work/server/ben
mkdir -p "$long"
awk 'BEGIN { for (i = 0; i < 400000; i++) printf "%070d\r\n", 0 }' >"$long/bm.log"
chown -R "$account:" "$long"
mounts+=("$work/pc3")
make_mount_command "$long" "$work/pc3"
"${mount_command[@]}" -f &
client=$!
for _ in $(seq 100); do [ -e "$work/pc3/bm.log" ] && break; sleep 0.1; done
"$dump" "$work/pc3/" >/dev/null 2>"$work/cut" &
reader=$!
# Held once the reader has some of the log, then its connection is gone.
for _ in $(seq 1000); do
  [ "$(awk '/^rchar/ {print $2}' "/proc/$reader/io" 2>/dev/null || echo 0)" -gt 2000000 ] && break
  sleep 0.01
done
# shellcheck disable=SC2086
kill -STOP $server
kill -KILL "$client"
# shellcheck disable=SC2086
kill -CONT $server
if wait "$reader"; then fail "a log cut off mid-read was shown as if it were whole"; fi
echo "cut mid-read: $(tr '\n' ' ' <"$work/cut")"
grep -q "Verbindung zum Server" "$work/cut" || fail "a broken connection is not named: $(cat "$work/cut")"

# Writing to the broken mount names the broken connection too.
touch "$work/start-broken"
if "$helper" "$work/pc3/" "Abgebrochen" 1 "$work/start-broken" 2>"$work/broken"; then
  fail "a run was taken by a broken mount"
fi
echo "broken mount: $(tr '\n' ' ' <"$work/broken")"
grep -q "die Verbindung zum Server ist unterbrochen" "$work/broken" || fail "a broken connection is not named: $(cat "$work/broken")"

# A server that takes nothing (its SFTP read-only): the mount looks writable, every write
# is refused. The child's own copy (her account, her folder) must hear that the share is
# read-only, not that she lacks the rights.
kill "$sshd_pid"
start_sshd -R
mounts+=("$work/pc4")
make_mount_command "$folder" "$work/pc4"
"${mount_command[@]}" || fail "sshfs cannot mount $folder from the read-only server"
touch "$work/start-refused"
if setpriv --reuid="$account" --regid="$account" --clear-groups \
     "$helper" "$work/pc4/" "Schreibgeschützt" 1 "$work/start-refused" 2>"$work/refused"; then
  fail "a run was taken by a read-only share"
fi
echo "read-only share: $(tr '\n' ' ' <"$work/refused")"
grep -q "schreibgeschützt" "$work/refused" || fail "a read-only share is not named: $(cat "$work/refused")"
