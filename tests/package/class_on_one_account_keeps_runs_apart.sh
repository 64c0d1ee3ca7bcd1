#!/usr/bin/env bash
# A class on one shared account, tried with real accounts: brimbelo-klasse sets up three
# names (one with an umlaut, one with a blank) for a shared account, and runs logged as
# its bm logs them once a child has picked her name land in that child's folder only.
# The teachers read every folder, no other account reads the class list, a second set-up
# adds a name, a child picked by her name has a plan of her own, and a name struck off the
# list keeps its folder and its runs. A teacher adds and strikes names as the class
# overview does; the shared account's bm makes the folder of an added name at her first
# run. A class set up before, with root's folders and access lists, is brought to today's
# layout by a second set-up. liste and pruefen know such a class, pruefen --reparieren
# mends its rights, and entfernen and verschieben point to streichen instead.
#   class_on_one_account_keeps_runs_apart.sh BRIMBELO_KLASSE SHARED_CLASS_RUN LOG_DUMP CLASS_LIST_EDIT
set -euo pipefail
klasse=$1
run=$2
dump=$3
edit=$4
source "$(dirname "$0")/real_accounts.sh"

group=bgg$suffix
shared=bgs$suffix outsider=bgo$suffix teacher=bgl$suffix older=bgv$suffix
make_group "$group"
for account in "$shared" "$outsider" "$teacher" "$older"; do make_account "$account"; done
usermod -aG "$group" "$teacher"

class=$work/srv/klasse-1a
etc=$work/etc school=$work/schule
workstation "$etc" "$school"

# The shared account's bm finds the class through its entry, not through BM_LOG.
as() { local account=$1; shift; setpriv --reuid="$account" --regid="$account" --init-groups -- env -u BM_LOG "$@"; }
records() { "$dump" "$1/" | grep -c . || true; }
# Owner, group and mode only: what a share without access lists shows as well.
layout() { stat -c '%U %G %a' "$1"; }

output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$shared" --konfig "$etc" Özlem "Ben Luca" Cem) \
  || fail "the set-up failed: $output"
echo "$output"
[ "$(grep -v '^#' "$class/klassenliste.txt")" = "$(printf 'Ben Luca\nCem\nÖzlem')" ] || fail "the class list: $(cat "$class/klassenliste.txt")"
grep -qx "LogFilePath=$class" "$school/konten/$shared" || fail "the shared account's entry does not name the class folder"
for folder in "$class" "$class/Ben Luca"; do
  [ "$(layout "$folder")" = "$shared $group 2770" ] || fail "$folder is $(layout "$folder")"
done
[ "$(stat -c '%G %a' "$class/klassenliste.txt")" = "$group 664" ] || fail "the class list is $(stat -c '%G %a' "$class/klassenliste.txt")"

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
mayNot "$outsider" cat "$class/klassenliste.txt"
mayNot "$outsider" ls "$class" "$class/Özlem"
mayNot "$outsider" rm -rf "$class/Cem"
mayNot "$outsider" "$edit" "$class" hinzufuegen Mallory
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

# A teacher adds a name as the class overview does: normalised, once only.
may "$teacher" "$edit" "$class" hinzufuegen "  Emma   Sophie "
mayNot "$teacher" "$edit" "$class" hinzufuegen Cem
mayNot "$teacher" "$edit" "$class" hinzufuegen "../lehrer"
grep -qx "Emma Sophie" "$class/klassenliste.txt" || fail "the teacher's name is not on the class list: $(cat "$class/klassenliste.txt")"
[ "$(stat -c '%G %a' "$class/klassenliste.txt")" = "$group 664" ] || fail "the teacher's list is $(stat -c '%G %a' "$class/klassenliste.txt")"
[ ! -e "$class/Emma Sophie" ] || fail "a folder was made before the child practised"
# Her first run makes her folder, the class's like any other, and logs there.
may "$shared" "$run" "$etc/wolf.cfg" "Emma Sophie" 2
[ "$(layout "$class/Emma Sophie")" = "$shared $group 2770" ] || fail "the folder made at the first run is $(layout "$class/Emma Sophie")"
[ "$(records "$class/Emma Sophie")" = 2 ] || fail "Emma Sophie's folder holds $(records "$class/Emma Sophie") runs, not 2"
may "$teacher" cat "$class/Emma Sophie/bm.log"
mayNot "$outsider" cat "$class/Emma Sophie/bm.log"
mayNot "$outsider" ls "$class/Emma Sophie"
# Struck by the teacher: no longer to be picked, her folder stays until the teacher deletes it.
may "$teacher" "$edit" "$class" streichen "Emma Sophie"
mayNot "$teacher" "$edit" "$class" streichen "Emma Sophie"
! grep -qx "Emma Sophie" "$class/klassenliste.txt" || fail "Emma Sophie is still on the class list"
mayNot "$shared" "$run" "$etc/wolf.cfg" "Emma Sophie" 1
[ "$(records "$class/Emma Sophie")" = 2 ] || fail "Emma Sophie's runs did not stay"
may "$teacher" rm -rf "$class/Emma Sophie"
# The set-up and streichen go on with a list the teacher wrote.
output=$("$klasse" einrichten "$class" --gruppe "$group" --gemeinsam "$shared" --konfig "$etc" Cem) \
  || fail "a set-up after the teacher's changes failed: $output"
output=$("$klasse" streichen "$class" Dana) || fail "striking a name from the teacher's list failed: $output"
[ "$(stat -c '%G %a' "$class/klassenliste.txt")" = "$group 664" ] || fail "streichen left the list $(stat -c '%G %a' "$class/klassenliste.txt")"

# liste and pruefen know the class as the set-up made it: listed, struck and added names.
may "$teacher" "$edit" "$class" hinzufuegen Fiete
output=$("$klasse" liste "$class") || fail "liste failed: $output"
echo "$output"
for line in "Ben Luca (gestrichen" "Cem (in der Klassenliste)" "Fiete (in der Klassenliste, noch ohne Ordner" \
  "klassenliste.txt (Klassenliste, 3 Namen)"; do
  grep -qF "  $line" <<<"$output" || fail "liste does not say: $line"
done
! grep -q "nicht von brimbelo-klasse" <<<"$output" || fail "liste calls the class's own entries foreign"
output=$("$klasse" pruefen "$class" --konfig "$etc") || fail "pruefen finds problems in a class just set up: $output"
chmod 0755 "$class/Cem"
chmod 0644 "$class/klassenliste.txt"
mkdir "$class/fremd"
if output=$("$klasse" pruefen "$class" --konfig "$etc"); then fail "pruefen missed wrong rights"; fi
echo "$output"
for problem in "$class/Cem: Rechte oder Gruppe falsch" "$class/klassenliste.txt: Rechte oder Gruppe falsch" "$class/fremd: nicht von"; do
  grep -qF "$problem" <<<"$output" || fail "pruefen does not name: $problem"
done
rmdir "$class/fremd"
"$klasse" pruefen "$class" --konfig "$etc" --reparieren >/dev/null || true
output=$("$klasse" pruefen "$class" --konfig "$etc") || fail "pruefen --reparieren did not mend the class: $output"
[ "$(layout "$class/Cem")" = "$shared $group 2770" ] || fail "Cem's folder was mended to $(layout "$class/Cem")"
grep -qx Fiete "$class/klassenliste.txt" || fail "mending the list lost a name"
refused "entfernen in a class on one account" "$klasse" entfernen "$class" --konfig "$etc" Cem
grep -q "brimbelo-klasse streichen" <<<"$refusal" || fail "entfernen does not point to streichen"
refused "verschieben out of a class on one account" "$klasse" verschieben "$class" "$work/srv/klasse-1a" --konfig "$etc" Cem
grep -q "Klassenübersicht" <<<"$refusal" || fail "verschieben does not point to the class overview"
refused "gruppe of a class on one account" "$klasse" gruppe "$class" "$group"
refused "an account of her own in a class on one account" "$klasse" einrichten "$class" --gruppe "$group" --konfig "$etc" "$outsider"
grep -q -- "--gemeinsam" <<<"$refusal" || fail "einrichten without --gemeinsam does not say how names are added"

# A class set up before: root's folders, the shared account writing by access lists.
old=$work/srv/klasse-1b
"$klasse" einrichten "$old" --gruppe "$group" --gemeinsam "$older" --konfig "$etc" Jan >/dev/null 2>&1 \
  || fail "the class to be made old could not be set up"
chown root "$old" "$old/Jan" "$old/klassenliste.txt"
chmod 0751 "$old"
chmod 0640 "$old/klassenliste.txt"
setfacl -m "u:$older:r" "$old/klassenliste.txt"
chmod 2770 "$old/Jan"
setfacl -m "u:$older:rwx,g::r-x" -d -m "u::rwx,g::r-x,o::---" "$old/Jan"
may "$older" "$run" "$etc/wolf.cfg" Jan 1
output=$("$klasse" einrichten "$old" --gruppe "$group" --gemeinsam "$older" --konfig "$etc" Jan Kim) \
  || fail "the class set up before was not brought to today's layout: $output"
echo "$output"
for folder in "$old" "$old/Jan" "$old/Kim"; do
  [ "$(layout "$folder")" = "$older $group 2770" ] || fail "$folder is $(layout "$folder") after the second set-up"
  ! getfacl -cp "$folder" | grep -q "^user:[^:]\|^default:" || fail "$folder keeps an access list"
done
[ "$(stat -c '%G %a' "$old/klassenliste.txt")" = "$group 664" ] || fail "the old list is $(stat -c '%G %a' "$old/klassenliste.txt")"
[ "$(records "$old/Jan")" = 1 ] || fail "Jan's run did not stay"
output=$("$klasse" pruefen "$old" --konfig "$etc") || fail "pruefen finds problems in the class brought up to date: $output"
may "$teacher" "$edit" "$old" hinzufuegen Lea

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
