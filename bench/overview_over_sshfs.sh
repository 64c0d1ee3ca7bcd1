#!/usr/bin/env bash
# The class overview read from a school's server against the local disk, in one run: the
# same class of 30 children (2 000 and 20 000 runs each) made once on this disk and once
# through an sshfs mount of an sshd on 127.0.0.1, then read and laid out. Prints both
# benchmarks' lines and the ratio of their times. As root, with FUSE.
#   overview_over_sshfs.sh BENCH_BUILD_DIR
set -euo pipefail
bench=$(realpath "$1")/bench/classoverview_bench
[ -x "$bench" ] || { echo "build the benchmarks first (README: Speed and size)"; exit 2; }
[ "$(id -u)" -eq 0 ] && [ -c /dev/fuse ] || { echo "needs root and /dev/fuse"; exit 2; }

account=bsb$$
work=$(mktemp -d)
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/../tests/net/school_server.sh"
trap 'close_school_server; rm -rf "$work"' EXIT
open_school_server
mkdir -p "$work/server" "$work/local"
chown "$account:" "$work/server"
mounts+=("$work/mount")
make_mount_command "$work/server" "$work/mount"
"${mount_command[@]}" || fail "sshfs cannot mount the server's folder"

measure() {
  BRIMBELO_BENCH_DIR=$1 "$bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median"'
}
echo "median of 3 repetitions, as CSV: name,iterations,real_time,cpu_time,time_unit"
local_times=$(measure "$work/local")
server_times=$(measure "$work/mount")
echo "local disk:"; echo "$local_times"
echo "over sshfs:"; echo "$server_times"
paste -d, <(echo "$local_times") <(echo "$server_times") \
  | awk -F, '{ printf "%s: over sshfs %.2f times the local disk\n", $1, $(NF/2 + 3) / $3 }'
