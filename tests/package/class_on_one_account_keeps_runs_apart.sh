#!/usr/bin/env bash
# A class on one shared account, tried with real accounts: brimbelo-klasse sets up three
# names (one with an umlaut, one with a blank) for a shared account, and runs logged as
# its bm logs them once a child has picked her name land in that child's folder only.
# The teachers read every folder, no other account reads the class list, a second set-up
# adds a name, a child picked by her name has a plan of her own, and a name struck off the
# list keeps its folder and its runs.
#   class_on_one_account_keeps_runs_apart.sh BRIMBELO_KLASSE SHARED_CLASS_RUN LOG_DUMP
set -euo pipefail
klasse=$1
run=$2
dump=$3
source "$(dirname "$0")/real_accounts.sh"

group=bgg$suffix
shared=bgs$suffix outsider=bgo$suffix teacher=bgl$suffix
make_group "$group"
for account in "$shared" "$outsider" "$teacher"; do make_account "$account"; done
usermod -aG "$group" "$teacher"

class=$work/srv/klasse-1a
etc=$work/etc school=$work/schule
workstation "$etc" "$school"

# The shared account's bm finds the class through its entry, not through BM_LOG.
as() { local account=$1; shift; setpriv --reuid="$account" --regid="$account" --init-groups -- env -u BM_LOG "$@"; }
records() { "$dump" "$1/" | grep -c . || true; }

output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$shared" --konfig "$etc" Özlem "Ben Luca" Cem) \
  || fail "the set-up failed: $output"
echo "$output"
[ "$(grep -v '^#' "$class/klassenliste.txt")" = "$(printf 'Ben Luca\nCem\nÖzlem')" ] || fail "the class list: $(cat "$class/klassenliste.txt")"
grep -qx "LogFilePath=$class" "$school/konten/$shared" || fail "the shared account's entry does not name the class folder"

# Runs as the shared account's bm writes them after "Wer übt?": each in the picked folder.
may "$shared" "$run" "$etc/wolf.cfg" "Ben Luca" 3
may "$shared" "$run" "$etc/wolf.cfg" Özlem 2
[ "$(records "$class/Ben Luca")" = 3 ] || fail "Ben Luca's folder holds $(records "$class/Ben Luca") runs, not 3"
[ "$(records "$class/Özlem")" = 2 ] || fail "Özlem's folder holds $(records "$class/Özlem") runs, not 2"
[ ! -e "$class/Cem/bm.log" ] || fail "a run reached Cem's folder"
[ ! -e "$class/bm.log" ] || fail "a run reached the class folder"
"$dump" "$class/Ben Luca/" | grep -v "Ben Luca" && fail "another child's run is in Ben Luca's log"
mayNot "$shared" "$run" "$etc/wolf.cfg" Dana 1

# The teachers read every child's folder; no other account learns who is in the class.
may "$teacher" ls "$class" "$class/Ben Luca"
may "$teacher" cat "$class/Ben Luca/bm.log" "$class/klassenliste.txt"
mayNot "$teacher" touch "$class/Cem/bm.log"
mayNot "$outsider" cat "$class/klassenliste.txt"
mayNot "$outsider" ls "$class/Özlem"
mayNot "$shared" ls "$class"
mayNot "$shared" rm -rf "$class/Cem"
mayNot "$shared" bash -c "echo x >>'$class/klassenliste.txt'"

# The teacher plans for a picked child as for a child with an account: by her folder's name.
"$klasse" plan "$class" --kind "Ben Luca" --uebungen 501,503 >/dev/null || fail "no plan for a child of the shared account"
may "$shared" grep -qx "Uebungen=501,503" "$class/.plan/kind.Ben Luca.cfg"
mayNot "$shared" touch "$class/.plan/kind.Cem.cfg"

# A second call adds a name and leaves the others as they are.
before=$(stat -c '%n %Z %A' "$class/Ben Luca" "$class/Ben Luca/bm.log")
output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$shared" --konfig "$etc" Cem Dana) \
  || fail "the second set-up failed: $output"
echo "$output"
[ "$before" = "$(stat -c '%n %Z %A' "$class/Ben Luca" "$class/Ben Luca/bm.log")" ] || fail "the second call changed Ben Luca's folder"
grep -qx Dana "$class/klassenliste.txt" || fail "Dana was not added to the class list"
may "$shared" "$run" "$etc/wolf.cfg" Dana 1

# Struck off the list: no longer to be picked, but her folder and runs stay.
output=$("$klasse" streichen "$class" "Ben Luca") || fail "striking a name failed: $output"
echo "$output"
! grep -qx "Ben Luca" "$class/klassenliste.txt" || fail "Ben Luca is still on the class list"
[ "$(records "$class/Ben Luca")" = 3 ] || fail "Ben Luca's runs did not stay"
mayNot "$shared" "$run" "$etc/wolf.cfg" "Ben Luca" 1

# Refused before anything changes: a name that could leave the folder, another account.
for bad in "../lehrer" ".versteckt"; do
  if output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$shared" --konfig "$etc" "$bad" 2>&1); then
    fail "the name $bad was taken"
  fi
  echo "$output"
done
if output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$outsider" --konfig "$etc" Emil 2>&1); then
  fail "a second shared account took over the class"
fi
echo "$output"
[ ! -e "$class/Emil" ] || fail "a refused set-up made a folder"
echo "1 passed, 0 failed"
