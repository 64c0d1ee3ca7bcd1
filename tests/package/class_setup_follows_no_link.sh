#!/usr/bin/env bash
# What a child could do to turn the class set-up, run as root, against files she may not
# touch: a folder on the way she may write or owns, a class folder that holds a home or
# her files, a link, a system account. Each is refused with one sentence and nothing
# changes. Then two link races, run many times: a child swaps a link to a secret file of
# root's in and out where the class is to be set up, and in her own folder while the
# class's group is changed and she is removed; the secret file stays as it was.
#   class_setup_follows_no_link.sh BRIMBELO_KLASSE
set -euo pipefail
klasse=$1
source "$(dirname "$0")/real_accounts.sh"

group=bkg$suffix anna=bka$suffix teacher=bkl$suffix hanna=bkh$suffix
make_group "$group"
make_account "$anna"
make_account "$teacher"
usermod -aG "$group" "$teacher"
mkdir -p "$work/srv/heime/h" "$work/srv/fremd" "$work/srv/echt" "$work/offen" "$work/eigen" "$work/tresor"
make_account "$hanna" --home-dir "$work/srv/heime/h"
chmod 777 "$work/offen"
chown "$anna" "$work/eigen"
touch "$work/srv/fremd/notiz"
ln -s "$work/srv/echt" "$work/srv/verweis"
echo geheim >"$work/geheim"
chmod 600 "$work/geheim"
echo geheim >"$work/tresor/datei"
chmod 700 "$work/tresor"
secrets() { stat -c '%n %U:%G %a %s' "$work/geheim" "$work/tresor" "$work/tresor/datei"; }
untouched=$(secrets)

workstation "$work/etc" "$work/schule"
workstation "$work/etc-2" "$work/schule-2"
einrichten() { "$klasse" einrichten "$1" --gruppe "$group" --konfig "$work/etc" "${@:2}"; }
while IFS='|' read -r what class account; do
  refused "$what" einrichten "$class" "$account"
done <<TABLE
a folder on the way every account may write|$work/offen/klasse|$anna
a folder on the way that a child owns|$work/eigen/klasse|$anna
a class folder that holds a home|$work/srv/heime|$anna
a class folder with files it did not make|$work/srv/fremd|$anna
a class folder that is a link|$work/srv/verweis|$anna
a system account as a child|$work/srv/neu|daemon
an account above the persons' numbers as a child|$work/srv/neu|nobody
a teacher as a child|$work/srv/neu|$teacher
TABLE
"$klasse" einrichten "$work/srv/andere" --gruppe "$group" --konfig "$work/etc-2" "$anna" >/dev/null
refused "another group for a class, which would leave the logs to the old teachers" \
  "$klasse" einrichten "$work/srv/andere" --gruppe "$teacher" --konfig "$work/etc-2" "$anna"

# The first race: where the class is to go, a child's link to the secret file comes and
# goes.
as_meanwhile "$anna" bash -c "cd '$work/offen' && while :; do mkdir k; rmdir k; ln -sfn '$work/geheim' k; rm -f k; done"
for run in $(seq 40); do
  ! einrichten "$work/offen/k" "$anna" >/dev/null 2>&1 || fail "run $run set up a class under a folder the child writes"
done
stop_meanwhile
[ "$(secrets)" = "$untouched" ] || fail "the secret files changed: $(secrets)"

# The second race: in her own folder, links to the secret file and folder come and go
# while the class's group changes back and forth.
other=bkm$suffix
make_group "$other"
einrichten "$work/srv/klasse" "$anna" >/dev/null
own=$work/srv/klasse/$anna
as_meanwhile "$anna" bash -c "cd '$own' && while :; do ln -sfn '$work/geheim' x; ln -sfn '$work/tresor' d; rm -f x d; touch x; mkdir d; rm -rf x d; done"
for run in $(seq 20); do
  "$klasse" gruppe "$work/srv/klasse" "$other" >/dev/null || fail "run $run: the group did not change"
  "$klasse" gruppe "$work/srv/klasse" "$group" >/dev/null || fail "run $run: the group did not change back"
done
stop_meanwhile
as "$anna" bash -c "cd '$own' && rm -rf x d && ln -s '$work/geheim' x && mkdir d && ln -s '$work/tresor' d/t"
"$klasse" entfernen "$work/srv/klasse" --konfig "$work/etc" "$anna" >/dev/null || fail "the child with links was not removed"
[ ! -e "$own" ] || fail "the removed child's folder is still there"
[ "$(secrets)" = "$untouched" ] || fail "the secret files changed: $(secrets)"
echo "1 passed, 0 failed"
