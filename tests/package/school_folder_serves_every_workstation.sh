#!/usr/bin/env bash
# A class set up once, in the school's folder, with real accounts: two workstations whose
# wolf.cfg only names the school's folder find each child's folder by her account name;
# the set-up leaves wolf.cfg as it was; no child lists the school's folder or its entries.
# A school's folder without its mark (unmounted, or an empty mount point the child made
# her own) gets no run: it is kept on the child's computer and delivered once the mark is
# back. A class set up the old way, with its entry beside wolf.cfg, goes on working, and
# a second set-up moves it into the school's folder.
#   school_folder_serves_every_workstation.sh BRIMBELO_KLASSE SHARED_CLASS_RUN LOG_DUMP
set -euo pipefail
klasse=$1
run=$2
dump=$3
source "$(dirname "$0")/real_accounts.sh"

group=bsg$suffix anna=bsa$suffix ben=bsb$suffix cem=bsc$suffix
make_group "$group"
for child in "$anna" "$ben" "$cem"; do make_account "$child"; done
school=$work/schule class=$work/schule/klasse-3b
workstation "$work/rechner-a" "$school"
workstation "$work/rechner-b" "$school"
cp "$work/rechner-a/wolf.cfg" "$work/wolf.cfg.vorher"
records() { "$dump" "$1/" | grep -c . || true; }
# practise ACCOUNT WOLF.CFG COUNT: runs as bm logs them for the account, with a data folder
# of her own for the runs her computer keeps; the output is the folder and how it was found.
practise() {
  mkdir -p "$work/daten-$1"
  chown "$1" "$work/daten-$1"
  as "$1" env -u BM_LOG XDG_DATA_HOME="$work/daten-$1" "$run" "$2" - "$3"
}

"$klasse" einrichten "$class" --gruppe "$group" --konfig "$work/rechner-a" "$anna" "$ben"
cmp -s "$work/rechner-a/wolf.cfg" "$work/wolf.cfg.vorher" || fail "the set-up changed wolf.cfg"
[ ! -e "$work/rechner-a/konten" ] || fail "the set-up wrote entries beside wolf.cfg"
[ -f "$school/.brimbelo-schulordner" ] || fail "the school's folder has no mark"
for folder in "$school" "$school/konten"; do
  [ "$(stat -c '%a %U' "$folder")" = "711 root" ] || fail "$folder has $(stat -c '%a %U' "$folder"), not 711 root"
  mayNot "$anna" ls "$folder"
done
may "$anna" cat "$school/konten/$anna"
mayNot "$anna" cat "$school/konten/$ben"

# Each workstation finds each child's folder through the school's folder alone.
for pair in "rechner-a:$anna:2" "rechner-b:$anna:1" "rechner-b:$ben:1"; do
  IFS=: read -r computer child count <<<"$pair"
  found=$(practise "$child" "$work/$computer/wolf.cfg" "$count") || fail "$child's runs on $computer were not logged"
  [ "$found" = "$class/$child/ $school" ] || fail "$child's bm on $computer found: $found"
done
[ "$(records "$class/$anna")" = 3 ] && [ "$(records "$class/$ben")" = 1 ] || fail "the logs hold $(records "$class/$anna") and $(records "$class/$ben") runs, not 3 and 1"

# The school's folder gone (its mark with it): the run is kept, then delivered.
mv "$school/.brimbelo-schulordner" "$work/marke"
status=0; practise "$anna" "$work/rechner-b/wolf.cfg" 1 >/dev/null 2>&1 || status=$?
[ "$status" = 4 ] || fail "a run without the school's mark ended with status $status, not kept (4)"
[ "$(records "$class/$anna")" = 3 ] || fail "a run reached the class without the school's mark"
mv "$work/marke" "$school/.brimbelo-schulordner"
practise "$anna" "$work/rechner-b/wolf.cfg" 1 >/dev/null || fail "the kept run was not delivered"
[ "$(records "$class/$anna")" = 5 ] || fail "after the mark came back the log holds $(records "$class/$anna") runs, not 5"
[ ! -s "$work/daten-$anna/brimbelo/ausstehend.log" ] || fail "a delivered run is still kept"

# An empty mount point the child can write, with an entry and a folder she made herself.
workstation "$work/rechner-c" "$work/leer"
mkdir -p "$work/leer"
chown "$ben" "$work/leer"
may "$ben" bash -c "mkdir -p '$work/leer/konten' '$work/leer/klasse-3b/$ben' && echo 'LogFilePath=$work/leer/klasse-3b/$ben' >'$work/leer/konten/$ben' && touch '$work/leer/.brimbelo-schulordner'"
status=0; practise "$ben" "$work/rechner-c/wolf.cfg" 1 >/dev/null 2>&1 || status=$?
[ "$status" = 4 ] || fail "a run into an empty mount point ended with status $status, not kept (4)"
[ ! -e "$work/leer/klasse-3b/$ben/bm.log" ] || fail "a run went into the empty mount point"

# A class set up the old way: the entry beside a wolf.cfg that takes the folder from BM_LOG.
old=$work/srv/klasse-alt
workstation "$work/alt-einrichtung" "$work/schule-alt"
"$klasse" einrichten "$old" --gruppe "$group" --konfig "$work/alt-einrichtung" "$cem" >/dev/null
rm -rf "$work/schule-alt"
mkdir -p "$work/rechner-alt/konten"
printf 'LogFilePath=%%BM_LOG%%\nKlassenordner=%s\n' "$school" >"$work/rechner-alt/wolf.cfg"
printf '; Von brimbelo-klasse geschrieben\nLogFilePath=%s\n' "$old/$cem" >"$work/rechner-alt/konten/$cem"
chmod 600 "$work/rechner-alt/konten/$cem"
setfacl -m "u:$cem:r" "$work/rechner-alt/konten/$cem"
chmod 711 "$work/rechner-alt/konten"
found=$(practise "$cem" "$work/rechner-alt/wolf.cfg" 1) || fail "the old set-up's child was not logged"
[ "$found" = "$old/$cem/ -" ] || fail "the old set-up's child's bm found: $found"
# Set up again, the class's entries move into the school's folder for every workstation.
"$klasse" einrichten "$old" --gruppe "$group" --konfig "$work/rechner-alt" "$cem" >/dev/null
found=$(practise "$cem" "$work/rechner-b/wolf.cfg" 1) || fail "the class set up again is not found from another workstation"
[ "$found" = "$old/$cem/ $school" ] || fail "after the second set-up $cem's bm found: $found"
[ "$(records "$old/$cem")" = 2 ] || fail "the old class's log holds $(records "$old/$cem") runs, not 2"
echo "1 passed, 0 failed"
