#!/usr/bin/env bash
# The teacher's plan tried with real accounts: root sets it with brimbelo-klasse, a
# teacher of the class's group replaces it as the class overview does, a child can only
# read hers. A child's program then offers exactly the planned kinds, today's kind first,
# and a run of N planned tasks ends after N answers and is logged. Refused plans change
# nothing. The accounts and the group are removed afterwards.
#   class_plan_reaches_the_children.sh BRIMBELO_KLASSE PLANNED_RUN_HELPER LOG_DUMP
set -euo pipefail
klasse=$1
helper=$2
dump=$3
source "$(dirname "$0")/real_accounts.sh"

group=bpg$suffix anna=bpa$suffix ben=bpb$suffix teacher=bpl$suffix
make_group "$group"
for account in "$anna" "$ben" "$teacher"; do make_account "$account"; done
usermod -aG "$group" "$teacher"
class=$work/srv/klasse-2a
etc=$work/etc
workstation "$etc" "$work/schule"
"$klasse" einrichten "$class" --gruppe "$group" --konfig "$etc" "$anna" "$ben" >/dev/null
plans=$class/.plan
[ "$(stat -c '%a %U:%G' "$plans")" = "2771 root:$group" ] || fail "the plans' folder has $(stat -c '%a %U:%G' "$plans")"

# What brimbelo-klasse refuses changes nothing.
refused "a grade outside 1-4" "$klasse" plan "$class" --stufe 5
refused "an unknown kind" "$klasse" plan "$class" --uebungen 301,999
refused "today's kind not planned" "$klasse" plan "$class" --uebungen 301 --heute 401
refused "a child not in the class" "$klasse" plan "$class" --kind "$teacher" --aufgaben 10
mkdir -p "$work/srv/fremd/x"
refused "a folder brimbelo-klasse did not set up" "$klasse" plan "$work/srv/fremd" --stufe 2

output=$("$klasse" plan "$class" --stufe 1 --aufgaben 10)
echo "$output"
grep -qx "Uebungen=501,503,507" <<<"$output" || fail "grade 1 did not plan the grade's kinds"

# A teacher replaces the plan whole, as the class overview writes it; no child can.
printf 'Uebungen=301,302\nAufgaben=4\nHeute=302\n' >"$work/plan.cfg"
chmod 644 "$work/plan.cfg"
may "$teacher" bash -c "cp '$work/plan.cfg' '$plans/.neu' && mv '$plans/.neu' '$plans/klasse.cfg'"
for child in "$anna" "$ben"; do
  may "$child" cat "$plans/klasse.cfg"
  mayNot "$child" ls "$plans"
  mayNot "$child" bash -c "echo Aufgaben=1 >>'$plans/klasse.cfg'"
  mayNot "$child" rm -f "$plans/klasse.cfg"
  mayNot "$child" cp "$work/plan.cfg" "$plans/kind.$child.cfg"
  mayNot "$child" mv "$plans/klasse.cfg" "$plans/weg"
done
"$klasse" plan "$class" | grep -qx "Aufgaben=4" || fail "brimbelo-klasse does not show the teacher's plan"

# Anna's program: the planned kinds only, today's kind first, a run of four tasks.
shown=$(as "$anna" env QT_QPA_PLATFORM=offscreen HOME=/nonexistent "$helper" "cfg=$etc/wolf.cfg" 2>/dev/null)
echo "$shown"
[ "$(grep '^Menü' <<<"$shown")" = $'Menü 301\nMenü 302' ] || fail "the menu is not the plan's: $shown"
grep -qx "Heute: Runde auf Hunderter" <<<"$shown" || fail "today's kind is not offered"
grep -qx "Antworten 4" <<<"$shown" || fail "the run did not end after four answers"
records=$("$dump" "$class/$anna/")
echo "$records"
[ "$(wc -l <<<"$records")" -eq 1 ] || fail "the run was not logged once"
grep -q "Runde auf Hunderter" <<<"$records" || fail "the log does not name the run's kind"

# Ben's own plan, set by root: his program offers his kinds, Anna's stays the class's.
"$klasse" plan "$class" --kind "$ben" --uebungen 501 --aufgaben 0 >/dev/null
shown=$(as "$ben" env QT_QPA_PLATFORM=offscreen HOME=/nonexistent "$helper" "cfg=$etc/wolf.cfg" 2>/dev/null)
[ "$shown" = "Menü 501" ] || fail "Ben's own plan does not reach his program: $shown"

# A damaged plan counts as none: the whole menu again.
printf 'Uebungen=kaputt\n' >"$work/plan.cfg"
may "$teacher" bash -c "cp '$work/plan.cfg' '$plans/.neu' && mv '$plans/.neu' '$plans/klasse.cfg'"
shown=$(as "$anna" env QT_QPA_PLATFORM=offscreen HOME=/nonexistent "$helper" "cfg=$etc/wolf.cfg" 2>/dev/null)
[ "$(grep -c '^Menü' <<<"$shown")" -gt 20 ] || fail "a damaged plan still narrows the menu: $shown"
status=0
output=$("$klasse" plan "$class") || status=$?
[ "$status" -eq 1 ] && grep -q "unbrauchbar" <<<"$output" || fail "brimbelo-klasse does not say the plan is damaged: $output"

# So does a plan the child may not read.
printf 'Uebungen=301\n' >"$work/plan.cfg"
may "$teacher" bash -c "cp '$work/plan.cfg' '$plans/.neu' && chmod 600 '$plans/.neu' && mv '$plans/.neu' '$plans/klasse.cfg'"
shown=$(as "$anna" env QT_QPA_PLATFORM=offscreen HOME=/nonexistent "$helper" "cfg=$etc/wolf.cfg" 2>/dev/null)
[ "$(grep -c '^Menü' <<<"$shown")" -gt 20 ] || fail "a plan the child cannot read still narrows the menu: $shown"

# The other commands take the plans' folder for what it is; a child who leaves takes her
# own plan with her.
"$klasse" pruefen "$class" >/dev/null || fail "pruefen finds fault with the plans' folder"
"$klasse" entfernen "$class" --konfig "$etc" "$ben" >/dev/null
[ ! -e "$plans/kind.$ben.cfg" ] || fail "Ben's own plan stayed behind when he left"
echo "1 passed, 0 failed"
