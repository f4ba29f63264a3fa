#!/bin/sh
# The time trial on circuit 1. The autopilot's first run has no ghost and says so, races alone
# to its end (no replay of it among the races'), and keeps its time in hiscores/t_1_1.dat and
# its run beside it. In a second run the player waits on the grid: the ghost, a blue see-through ship,
# drives away in front of it; abandoned, that run changes neither file.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores replays config.cfg
mkdir hiscores
printf '[Graphics]\nfull_screen = 0\n[Game]\nNb_levels = 5\nNb_tours = 1\ntype_jeu = 2\n' > config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"
# A failure leaves no game behind it.
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT

# The ghost's blue, and the blue of the word about it under the time.
BLEU='(b>0.55 && b>r+0.22 && b>g+0.12)'
# Share of that blue in the scene under the word (rows 250 to 600 of an 800x600 window).
bleu_scene() { colour_share "$1" 250 350 "$BLEU"; }

# From the main menu to the race's start; then screenshots $1_0..6.png in its first seconds.
depart() {
  attend_menu "$win" "$OUT/$1_menu.png" || fail "no main menu"
  lance_course "$1" "$OUT/$1_menu.png"
  # The word about the ghost comes with the start, under the time, for five seconds.
  attend_bande "$win" 190 50 "$BLEU" 60 "$OUT/$1_0.png" 's > 0.002' || fail "no word about the ghost"
  for i in 1 2 3 4 5 6; do
    capture "$win" "$OUT/$1_$i.png"
    sleep 0.3
  done
}

VELTRA_AUTOPILOT=1 demarre_jeu 800 600
depart premier
attend_arrivee_joueur 1 600
quitte_course "$win" "$OUT/premier_fini.png"
attend_tableau "$win" "$OUT/premier_classement.png" || { cat log.txt; fail "no classification"; }
attend_fichier hiscores/t_1_1.rpl 30 || { cat log.txt; fail "the first run was not kept as the ghost"; }
[ ! -e replays/last.rpl ] || fail "a time trial went into the race replays"
press_key "$win" space
attend_menu "$win" "$OUT/retour.png" || { cat log.txt; fail "not back in the menu"; }
quitte_jeu "$OUT/retour.png"
grep -q 'no ghost' log.txt && { cat log.txt; fail "the ghost file was refused"; }
# The records: ten rows of 48 bytes, the player's with the time of the arrival.
temps=$(temps_joueur 1)
verifie_hiscores hiscores/t_1_1.dat 48 Human "$temps"
grep -q Human hiscores/t_1_1.dat || fail "the player's $temps is not in the records"
cp hiscores/t_1_1.dat records.dat
cp hiscores/t_1_1.rpl fantome.rpl

demarre_jeu 800 600
depart second
# The scene of the first run, without a ghost, has next to none of its blue.
sans=0
for i in 0 1 2 3 4 5 6; do
  sans=$(awk -v a="$sans" -v b="$(bleu_scene "$OUT/premier_$i.png")" 'BEGIN { print (b > a ? b : a) }')
done
plus=0
for i in 0 1 2 3 4 5 6; do
  avec=$(bleu_scene "$OUT/second_$i.png")
  echo "second run, screenshot $i: blue $avec with the ghost, at most $sans without"
  awk -v a="$sans" -v b="$avec" 'BEGIN { exit !(b > 0.0001 && b > 4 * a) }' && plus=$((plus + 1))
done
[ $plus -ge 2 ] || fail "no ghost in front of the waiting player"
quitte_course "$win" "$OUT/second_sortie.png"
attend_menu "$win" "$OUT/retour_2.png" || { cat log.txt; fail "not back in the menu"; }
quitte_jeu "$OUT/retour_2.png"
grep 'arrival' log.txt && fail "an arrival in a run where the player waited (the ghost's?)"
cmp -s records.dat hiscores/t_1_1.dat || fail "an abandoned run changed the records"
cmp -s fantome.rpl hiscores/t_1_1.rpl || fail "an abandoned run changed the ghost"
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
