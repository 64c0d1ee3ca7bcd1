#!/usr/bin/env bash
# A school year with real accounts: a child moves to another class, a class gets another
# teachers' group, a child leaves, and a departed child's account number is given to a new
# account. After each, the teachers read exactly their children's logs, and nothing of a
# child is left where she was or reaches the account that got her number.
#   school_year_leaves_no_data_behind.sh BRIMBELO_KLASSE LOG_APPEND_HELPER
set -euo pipefail
klasse=$1
helper=$2
source "$(dirname "$0")/real_accounts.sh"

first=bkg$suffix second=bkh$suffix third=bki$suffix
anna=bka$suffix ben=bkb$suffix cem=bkc$suffix olga=bko$suffix paul=bkp$suffix
t1=bkl$suffix t2=bkm$suffix t3=bkn$suffix
for group in "$first" "$second" "$third"; do make_group "$group"; done
for child in "$anna" "$ben" "$cem" "$olga"; do make_account "$child"; done
for teacher in "$t1:$first" "$t2:$second" "$t3:$third"; do
  make_account "${teacher%%:*}"
  usermod -aG "${teacher##*:}" "${teacher%%:*}"
done
a=$work/srv/klasse-3a b=$work/srv/klasse-3b etc=$work/etc school=$work/schule
workstation "$etc" "$school"
run() { "$klasse" "$@" >/dev/null || fail "brimbelo-klasse $*"; }
touch "$work/start"
practise() { may "$1" bash -c "umask 077 && exec '$helper' '$2/$1/' $1 1 '$work/start'"; }
readsLog() { may "$1" cat "$2/bm.log"; }
readsNoLog() { mayNot "$1" cat "$2/bm.log"; }

run einrichten "$a" --konfig "$etc" --gruppe "$first" "$anna" "$ben" "$olga"
run einrichten "$b" --konfig "$etc" --gruppe "$second" "$cem"
for child in "$anna" "$ben" "$olga"; do practise "$child" "$a"; done
practise "$cem" "$b"

# Anna moves to 3b: her log with her, read by 3b's teachers only; nothing of hers in 3a.
run verschieben "$a" "$b" --konfig "$etc" "$anna"
[ ! -e "$a/$anna" ] || fail "the moved child's folder is still in the old class"
! getfacl -pR "$a" 2>/dev/null | grep -q "$anna" || fail "the old class still names the moved child"
grep -qx "LogFilePath=$b/$anna" "$school/konten/$anna" || fail "the moved child's entry names another folder"
readsLog "$t2" "$b/$anna"
readsNoLog "$t1" "$b/$anna"
mayNot "$anna" mkdir "$a/$anna"
practise "$anna" "$b"
[ "$(stat -c %G "$b/$anna/bm.log")" = "$second" ] || fail "the moved child's log is not the new teachers'"

# 3a gets other teachers: every folder and log in it is theirs now.
run gruppe "$a" "$third"
for child in "$ben" "$olga"; do
  readsLog "$t3" "$a/$child"
  readsNoLog "$t1" "$a/$child"
  [ "$(stat -c %G "$a/$child" "$a/$child/bm.log" | sort -u)" = "$third" ] || fail "$child's folder or log keeps the old group"
done
may "$t3" ls "$a"
mayNot "$t1" ls "$a"

# Olga's account goes, and a new account gets her number: the set-up refuses to go on
# until her folder is removed, and the new account never reads her log.
uid=$(id -u "$olga")
userdel "$olga"
make_account "$paul" --uid "$uid"
refused "a new child while a departed child's number belongs to another account" \
  "$klasse" einrichten "$a" --gruppe "$third" --konfig "$etc" "$paul"
grep -q "$olga" <<<"$refusal" || fail "the refusal does not name the departed child"
refused "another group while a departed child's number belongs to another account" "$klasse" gruppe "$a" "$first"
run entfernen "$a" --konfig "$etc" "$olga"
[ ! -e "$a/$olga" ] && [ ! -e "$school/konten/$olga" ] || fail "the departed child's folder or entry is still there"
run einrichten "$a" --konfig "$etc" --gruppe "$third" "$paul"
practise "$paul" "$a"
readsLog "$t3" "$a/$paul"

# Cem leaves 3b, his folder packed first: his folder, log and entry go, the archive holds
# his log and only root reads it; the rest of the class stays.
cp "$b/$cem/bm.log" "$work/log-of-cem"
run entfernen "$b" --konfig "$etc" --archiv "$work/cem.tar" "$cem"
[ ! -e "$b/$cem" ] && [ ! -e "$school/konten/$cem" ] || fail "the child who left left something behind"
[ "$(stat -c '%U:%G %a' "$work/cem.tar")" = "root:root 600" ] || fail "the archive can be read by others"
mkdir "$work/unpacked"
tar -xf "$work/cem.tar" -C "$work/unpacked"
cmp -s "$work/unpacked/$cem/bm.log" "$work/log-of-cem" || fail "the archive does not hold the child's log"
readsLog "$t2" "$b/$anna"

# What pruefen finds, and with --reparieren mends: a school's folder any account can list,
# a link and a log of another group that Ben made, a folder whose rights were changed by
# hand, the folder of Dora, whose account was deleted without her leaving the class. Ben's log stays and is the teachers' again.
dora=bkd$suffix
make_account "$dora"
run einrichten "$a" --konfig "$etc" --gruppe "$third" "$dora"
userdel "$dora"
echo geheim >"$work/geheim"
chmod 600 "$work/geheim"
may "$ben" ln -s "$work/geheim" "$a/$ben/x"
may "$ben" chgrp "$ben" "$a/$ben/bm.log"
chmod 0755 "$a/$paul"
chmod 0755 "$school"
! report=$("$klasse" pruefen "$a" --konfig "$etc") || fail "pruefen exits 0 on a class with problems"
echo "$report"
for problem in "$a/$ben/x: ein Verweis" "$a/$ben/bm.log: gehört nicht der Gruppe" "$a/$paul: Rechte" "$a/$dora: das Konto $dora" "$school: lässt sich auflisten"; do
  grep -qF "$problem" <<<"$report" || fail "pruefen does not name: $problem ($report)"
done
! "$klasse" pruefen "$a" --konfig "$etc" --reparieren >/dev/null || fail "pruefen --reparieren exits 0 after problems"
"$klasse" pruefen "$a" --konfig "$etc" >/dev/null || fail "pruefen finds problems after --reparieren: $("$klasse" pruefen "$a" --konfig "$etc")"
[ ! -e "$a/$dora" ] && [ "$(stat -c '%U:%G %a' "$work/geheim")" = "root:root 600" ] || fail "the repair left Dora's folder or followed the link"
readsLog "$t3" "$a/$ben"
readsLog "$t3" "$a/$paul"
grep -q "Konto $ben, Nummer $(id -u "$ben"))" <<<"$("$klasse" liste "$a")" || fail "liste does not show $ben with his number"

# What cannot be: moving into a class that has the child already (set up there from
# another workstation), removing a child who is not there, giving a class a group one of
# its children is in, naming a child twice.
run einrichten "$a" --konfig "$etc" --gruppe "$third" "$cem"
workstation "$work/etc-2" "$work/schule-2"
run einrichten "$b" --konfig "$work/etc-2" --gruppe "$second" "$cem"
refused "a move onto a folder of the same name" "$klasse" verschieben "$b" "$a" --konfig "$etc" "$anna" "$cem"
refused "removing a child the class does not have" "$klasse" entfernen "$b" --konfig "$etc" "$ben"
refused "a group a child is in" "$klasse" gruppe "$a" "$ben"
refused "a child named twice, whose folder would move half-way" "$klasse" verschieben "$a" "$b" --konfig "$etc" "$ben" "$ben"
echo "1 passed, 0 failed"
