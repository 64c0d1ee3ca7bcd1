#!/usr/bin/env bash
# End to end: the teachers' way in. "bm --klasse FOLDER" shows the class overview of that
# folder at once, without the title window, remembers the folder for the next time, and
# ends when the overview is closed.
#   class_overview_opens_alone.sh BM
set -euo pipefail
bm=$1
here=$(dirname "$0")
source "$here/drive.sh"
work=$(mktemp -d)
trap 'e2e_stop; rm -rf "$work"' EXIT
mkdir -p "$work/klasse-3b/anna"
fail() { echo "FAIL: $*"; exit 1; }

e2e_start_display
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work "$bm" --klasse "$work/klasse-3b" >/dev/null 2>&1 &
E2E_BM=$!
# (The search's pattern does not match the umlaut itself.)
e2e_wait_window "^Klassen.*bersicht$" >/dev/null || fail "the class overview did not open"
e2e_visible "^Brimbelo v0\\.1$" && fail "the title window came up as well"
grep -rqs "klasse-3b" "$work/config" || fail "the class folder was not remembered"
e2e_key Return                                 # "Schließen"
e2e_ended || fail "the program did not end with the overview"
echo "1 passed, 0 failed"
