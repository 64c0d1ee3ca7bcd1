#!/usr/bin/env bash
# The class set-up tried with real accounts: brimbelo-klasse sets up a class of two
# children on a temporary folder, the children write their logs with the program's own
# log writer, and every right is tried as the accounts themselves: each child writes her
# own log, no child lists the class or reads, changes or deletes another's log, the
# teachers' group reads everything. A child's folder is her own: what she can do to its
# rights, pruefen names and mends. A second run adds a third child and changes nothing
# else. The accounts and the group are removed afterwards.
#   class_setup_keeps_children_apart.sh BRIMBELO_KLASSE LOG_APPEND_HELPER
set -euo pipefail
klasse=$1
helper=$2
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: needs root to create the accounts it tries the rights with"
  exit 77
fi

suffix=$$
group=bkg$suffix
anna=bka$suffix ben=bkb$suffix cem=bkc$suffix teacher=bkl$suffix
work=$(mktemp -d)
created=()
cleanup() {
  for account in "${created[@]}"; do userdel "$account" 2>/dev/null || true; done
  groupdel "$group" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
groupadd "$group"
for account in "$anna" "$ben" "$cem" "$teacher"; do
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$account"
  created+=("$account")
done
usermod -aG "$group" "$teacher"

class=$work/srv/klasse-3b
etc=$work/etc school=$work/schule
mkdir -p "$etc"
printf '; Beispiel\n;LogFilePath=%%BM_LOG%%\nKlassenordner = %s\n' "$school" >"$etc/wolf.cfg"
cp "$etc/wolf.cfg" "$work/wolf.cfg.vorher"
# A school's folder made before, that every account could list.
mkdir -m 755 "$school"

fail() { echo "FAIL: $*"; exit 1; }
as() { local account=$1; shift; setpriv --reuid="$account" --regid="$account" --init-groups -- "$@"; }
may() { as "$@" >/dev/null 2>&1 || fail "$1 may not: ${*:2}"; }
mayNot() { ! as "$@" >/dev/null 2>&1 || fail "$1 may: ${*:2}"; }

output=$("$klasse" einrichten "$class" --gruppe "$group" --konfig "$etc" "$anna" "$ben") \
  || fail "the set-up failed: $output"
echo "$output"

# Each child's log, written as the program writes it, with a umask that would keep it
# from the teachers.
touch "$work/start"
for child in "$anna" "$ben"; do
  may "$child" bash -c "umask 077 && exec '$helper' '$class/$child/' $child 2 '$work/start'"
  [ "$(stat -c %U:%G "$class/$child/bm.log")" = "$child:$group" ] || fail "$child's log has the wrong owner"
done

# The teachers read the whole class.
may "$teacher" ls "$class"
may "$teacher" ls "$class/$anna"
may "$teacher" cat "$class/$anna/bm.log" "$class/$ben/bm.log"
mayNot "$teacher" touch "$class/$anna/bm.log"

# No child lists the class or touches another's log; each keeps her own folder.
for pair in "$anna $ben" "$ben $anna"; do
  read -r child other <<<"$pair"
  mayNot "$child" ls "$class"
  mayNot "$child" ls "$class/$other"
  mayNot "$child" cat "$class/$other/bm.log"
  mayNot "$child" bash -c "echo x >>'$class/$other/bm.log'"
  mayNot "$child" rm -f "$class/$other/bm.log"
  mayNot "$child" mv "$class/$other/bm.log" "$class/$other/weg"
  mayNot "$child" touch "$class/$other/neu"
  mayNot "$child" cat "$school/konten/$other"
  mayNot "$child" setfattr -n trusted.brimbelo.konto -v "$other:0" "$class/$child"
  mayNot "$child" setfattr -x trusted.brimbelo.konto "$class/$child"
  mayNot "$child" chown "$other" "$class/$child"
  mayNot "$child" mv "$class/$child" "$class/weg"
  mayNot "$child" touch "$class/neu"
  may "$child" cat "$school/konten/$child"
done
# Her folder is her own, so that a mount that sees only owner, group and mode lets her
# write it; she could change its rights, and pruefen names and mends that.
[ "$(stat -c '%U:%G %a' "$class/$anna")" = "$anna:$group 2750" ] || fail "her folder is $(stat -c '%U:%G %a' "$class/$anna")"
may "$anna" chmod 0700 "$class/$anna"
if output=$("$klasse" pruefen "$class" --konfig "$etc"); then fail "pruefen missed a folder hidden from the teachers"; fi
grep -q "$class/$anna: Rechte oder Gruppe falsch" <<<"$output" || fail "pruefen does not name the hidden folder: $output"
"$klasse" pruefen "$class" --konfig "$etc" --reparieren >/dev/null || true
"$klasse" pruefen "$class" --konfig "$etc" >/dev/null || fail "--reparieren did not mend her folder"
may "$teacher" cat "$class/$anna/bm.log"
mayNot "$anna" ls "$school"
mayNot "$anna" ls "$school/konten"
[ "$(stat -c %a "$school")" = 711 ] || fail "the school's folder made before can still be listed"
grep -qx "LogFilePath=$class/$anna" "$school/konten/$anna" || fail "the account's entry does not name her folder"
cmp -s "$etc/wolf.cfg" "$work/wolf.cfg.vorher" || fail "the set-up changed wolf.cfg"

# Again with one more child: only she is added.
# (The class folder itself changes by the new folder in it, so only its rights count.)
state() {
  stat -c '%n %A %U:%G' "$class"
  stat -c '%n %Z %A' "$class/$anna" "$class/$ben" "$class/$anna/bm.log" "$school/konten/$anna" "$etc/wolf.cfg"
}
before=$(state)
output=$("$klasse" einrichten "$class" --gruppe "$group" --konfig "$etc" "$anna" "$ben" "$cem") \
  || fail "the second set-up failed: $output"
echo "$output"
after=$(state)
[ "$before" = "$after" ] || fail "the second run changed what was set up: $before / $after"
grep -q "unverändert" <<<"$output" || fail "the second run does not say what it left alone"
may "$cem" bash -c "exec '$helper' '$class/$cem/' $cem 1 '$work/start'"
mayNot "$cem" cat "$class/$anna/bm.log"

# A teacher's account is no child's: refused before anything changes.
if output=$("$klasse" einrichten "$work/srv/klasse-4a" --gruppe "$group" --konfig "$etc" "$teacher" 2>&1); then
  fail "a member of the teachers' group was set up as a child"
fi
[ ! -e "$work/srv/klasse-4a" ] || fail "a refused set-up created the class folder"
echo "$output"
echo "1 passed, 0 failed"
