# Sourced by the tests that try the class set-up with real accounts (as root only): makes
# accounts and groups that are removed again on exit, runs commands as an account, and
# takes a picture of a folder to show that a refused command changed nothing.
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: needs root to create the accounts it tries the rights with"
  exit 77
fi

suffix=$$
work=$(mktemp -d)
chmod 755 "$work"
accounts=()
groups=()
background=()
cleanup() {
  stop_meanwhile
  for account in "${accounts[@]}"; do userdel "$account" 2>/dev/null || true; done
  for group in "${groups[@]}"; do groupdel "$group" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# workstation ETC SCHOOL: a workstation's configuration folder whose wolf.cfg names the
# school's folder, so that no test touches the real one.
workstation() { mkdir -p "$1"; printf 'Klassenordner=%s\n' "$2" >"$1/wolf.cfg"; }
make_group() { groupadd "$1"; groups+=("$1"); }
# make_account NAME [useradd options]: an account without home or shell, as children have.
make_account() {
  local name=$1
  shift
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$@" "$name"
  accounts+=("$name")
  groups+=("$name")
}
as() { local account=$1; shift; setpriv --reuid="$account" --regid="$account" --init-groups -- "$@"; }
# as_meanwhile ACCOUNT COMMAND...: runs the command as the account until the test stops it
# with stop_meanwhile (or ends).
as_meanwhile() {
  local account=$1
  shift
  setpriv --reuid="$account" --regid="$account" --init-groups -- "$@" >/dev/null 2>&1 &
  background+=($!)
}
stop_meanwhile() {
  for pid in "${background[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait "${background[@]}" 2>/dev/null || true
  background=()
}
may() { as "$@" >/dev/null 2>&1 || fail "$1 may not: ${*:2}"; }
mayNot() { ! as "$@" >/dev/null 2>&1 || fail "$1 may: ${*:2}"; }
# Every entry below FOLDER with its kind, mode, owner, group and change time (which an
# access list or a note on a folder changes too).
picture() { find "$1" -printf '%p %y %m %U %G %C@\n' | sort; }
# refused WHAT COMMAND...: the command must fail with one line on stderr and change
# nothing under $work; the line is kept in $refusal.
refused() {
  local what=$1 before after status=0
  shift
  before=$(picture "$work")
  "$@" >"$work.out" 2>"$work.err" || status=$?
  after=$(picture "$work")
  [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1 ($(cat "$work.out" "$work.err"))"
  [ "$(wc -l <"$work.err")" -eq 1 ] && grep -q '^brimbelo-klasse: ' "$work.err" \
    || fail "$what: not one sentence on stderr: $(cat "$work.err")"
  [ "$before" = "$after" ] || fail "$what: changed something: $(diff <(echo "$before") <(echo "$after") | head -5)"
  refusal=$(cat "$work.err")
  echo "refused, $what: $refusal"
  rm -f "$work.out" "$work.err"
}
