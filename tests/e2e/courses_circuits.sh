#!/bin/sh
# A single 1-lap race on each of the five circuits, one after the other in one game, driven by
# the autopilot to the classification screen: each circuit chosen in the single-race dialog, each
# result kept in that circuit's hiscore file. Two of those files are damaged beforehand: one cut
# short (kept aside as .bad and replaced by the default table), one without a single name
# terminator (read as it is). Each race is kept as a replay, and the headless simulator replays
# every one of them to the player's place and time in the game.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores config.cfg
mkdir hiscores
head -c 100 /dev/urandom > hiscores/s_2_1.dat
cp hiscores/s_2_1.dat court.dat
head -c 480 /dev/zero | tr '\0' A > hiscores/s_4_1.dat
# One lap, and computer pilots slow enough for the autopilot to reach the podium: only a podium
# leads to the classification screen.
printf '[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\n' > config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf" VELTRA_AUTOPILOT=1 VELTRA_PROFIL=1

debut=$(date +%s)
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
for k in 1 2 3 4 5; do
  t0=$(date +%s)
  ecran="$OUT/dialogue_$k.png"
  copie_ecran "$OUT/menu.png" "$ecran"
  touche "$win" Return "$ecran"
  # The dialog opens on the circuit of the last race: one step to the right for the next one.
  [ $k -gt 1 ] && touches "$win" "$ecran" Down Right Up
  press_key "$win" Return
  attend_pret "$win" 120 "$OUT/pret_$k.png" || { cat log.txt; fail "no ready prompt on circuit $k"; }
  repond_pret "$win" "$OUT/depart_$k.png"
  attend_arrivee_joueur $k 600
  quitte_course "$win" "$OUT/fini_$k.png"
  # The hiscores are written as the classification screen comes.
  attend_fichier hiscores/s_${k}_1.dat 60 || { cat log.txt; fail "no classification on circuit $k"; }
  sleep 1.5
  capture "$win" "$OUT/classement_$k.png"
  press_key "$win" space
  attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after circuit $k"
  verifie_hiscores hiscores/s_${k}_1.dat 48 Human "$(temps_joueur $k)"
  case $k in
    2) [ "$(tr -d '\0' < hiscores/s_2_1.dat | grep -a -o Tazul | wc -l)" -ge 7 ] ||
         fail "the short hiscore file of circuit 2 was not replaced by the default table"
       cmp -s hiscores/s_2_1.dat.bad court.dat || fail "the short hiscore file of circuit 2 was not kept aside"
       grep -q 's_2_1.dat has the wrong size; kept as ./hiscores/s_2_1.dat.bad' log.txt ||
         fail "the short hiscore file of circuit 2 was set aside without a word" ;;
    4) grep -q Human hiscores/s_4_1.dat || fail "the player did not enter the damaged table of circuit 4" ;;
  esac
  [ -s replays/best_${k}_1.rpl ] || fail "no best replay for circuit $k"
  cmp -s replays/last.rpl replays/best_${k}_1.rpl || fail "the first race on circuit $k is not its best replay"
  cp replays/last.rpl replay_$k.rpl
  echo "circuit $k: $(( $(date +%s) - t0 )) s, $(grep 'arrival .*(player)' log.txt | tail -n 1)"
  grep -i 'ms' log.txt | tail -n 1
done
quitte_jeu "$OUT/menu.png"
# Only the files of the races run, each for one lap, and the damaged one kept aside.
[ "$(ls hiscores | tr '\n' ' ')" = "s_1_1.dat s_2_1.dat s_2_1.dat.bad s_3_1.dat s_4_1.dat s_5_1.dat " ] ||
  fail "hiscores: $(ls hiscores)"
grep -q '^Level_actif = 5$' config.cfg || fail "last circuit not stored"
echo "five races in $(( $(date +%s) - debut )) s"
# The races again, headless, from their replay files: the player's place and time to the
# sixtieth, whatever rate the game drew its frames at.
sim="$(dirname "$1")/../tools/veltra-sim"
for k in 1 2 3 4 5; do
  "$sim" --replay replay_$k.rpl --data "$GAME_DIR" > sim_$k.txt || { cat sim_$k.txt; fail "circuit $k not replayed"; }
  jeu=$(grep 'arrival .*(player)' log.txt | sed -n "${k}p" | awk '{print $3, $(NF)}')
  rejeu=$(awk '/\(replay\)/ {print $1, $3}' sim_$k.txt)
  echo "circuit $k: game $jeu, replay $rejeu"
  [ -n "$jeu" ] && [ "$jeu" = "$rejeu" ] || { cat sim_$k.txt; fail "circuit $k replayed to $rejeu, not $jeu"; }
done
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
