#!/bin/sh
# Championships of 1-lap races driven by the autopilot: one abandoned at its first race records
# nothing; the next runs the five circuits, with the standings after each race, to the final
# table and the championship hiscores. The main menu opens on the stored game type and keeps it.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores config.cfg
mkdir hiscores
# Computer pilots slow enough for the autopilot to reach the podium every time: a race off the
# podium ends a championship.
printf '[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\ntype_jeu = 1\n' > config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf" VELTRA_AUTOPILOT=1

# The championship dialog from the main menu (settled screen $1), then "Jouer" there.
ouvre_championnat() {
  copie_ecran "$1" "$OUT/dialogue.png"
  touche "$win" Return "$OUT/dialogue.png"
  press_key "$win" Return
}

debut=$(date +%s)
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
# The main menu opens on the stored game type, the championship (the options test walks the
# menus key by key).
copie_ecran "$OUT/menu.png" "$OUT/menu_championnat.png"

# Abandoned at the first race: Escape is taken once the countdown is over.
ouvre_championnat "$OUT/menu.png"
attend_pret "$win" 120 "$OUT/pret_abandon.png" || { cat log.txt; fail "no ready prompt"; }
repond_pret "$win" "$OUT/depart_abandon.png"
for essai in 1 2 3 4 5 6; do
  press_key "$win" Escape
  attend_invite "$win" "$OUT/sortie_abandon.png" 5 && break
  [ $essai -eq 6 ] && fail "no exit prompt"
done
press_key "$win" Return
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the abandoned championship"
ls hiscores/c_* 2>/dev/null && fail "an abandoned championship wrote hiscores"

ouvre_championnat "$OUT/menu.png"
for k in 1 2 3 4 5; do
  t0=$(date +%s)
  attend_pret "$win" 120 "$OUT/pret_$k.png" || { cat log.txt; fail "no ready prompt for race $k"; }
  repond_pret "$win" "$OUT/depart_$k.png"
  attend_arrivee_joueur $k 600
  place=$(grep 'arrival .*(player)' log.txt | sed -n "${k}p" | sed 's/.*arrival \([0-9]\).*/\1/')
  [ "$place" -le 3 ] || fail "the player finished $place in race $k: the championship ends there"
  quitte_course "$win" "$OUT/fini_$k.png"
  attend_tableau "$win" "$OUT/classement_course_$k.png" 60 || fail "no standings after race $k"
  [ $k -lt 5 ] || attend_fichier hiscores/c_1_1.dat 10 || fail "no championship hiscores"
  press_key "$win" space
  wait_band_clears "$win" 200 250 "$RANGEE" 30 "$OUT/apres_$k.png" ||
    [ $k -eq 5 ] || fail "the standings of race $k stayed"
  echo "race $k: $(( $(date +%s) - t0 )) s, $(grep 'arrival .*(player)' log.txt | sed -n "${k}p")"
done
# The final table follows the last standings and waits for a key of its own.
sleep 2
attend_tableau "$win" "$OUT/classement_championnat.png" 10 || fail "no final table"
press_key "$win" space
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the championship"
meme_ecran "$OUT/menu.png" "$OUT/menu_championnat.png" || fail "the main menu no longer shows the championship"
quitte_jeu "$OUT/menu.png"

# The player's row of the hiscores: the points of its five places (4, 2, 1) and its summed time.
# With more than the default rows' single point it heads the table.
points=0 total=0
for k in 1 2 3 4 5; do
  place=$(grep 'arrival .*(player)' log.txt | sed -n "${k}p" | sed 's/.*arrival \([0-9]\).*/\1/')
  case $place in 1) points=$((points + 4)) ;; 2) points=$((points + 2)) ;; 3) points=$((points + 1)) ;; esac
  total=$(( total + $(temps_joueur $k) ))
done
[ "$(stat -c %s hiscores/c_1_1.dat)" = 520 ] || fail "championship hiscores not 520 bytes"
[ "$(head -c 5 hiscores/c_1_1.dat)" = Human ] || fail "the player does not head the championship hiscores"
rang1=$(od -An -t d4 -j 44 -N 8 hiscores/c_1_1.dat | awk '{print $1, $2}')
[ "$rang1" = "$points $total" ] || fail "first row holds points and time $rang1, expected $points $total"
avant=1000
for i in 0 1 2 3 4 5 6 7 8 9; do
  p=$(od -An -t d4 -j $(( i * 52 + 44 )) -N 4 hiscores/c_1_1.dat | tr -d ' ')
  [ "$p" -le "$avant" ] || fail "championship hiscores out of order at row $((i + 1))"
  avant=$p
done
grep -q '^type_jeu = 1$' config.cfg || fail "championship type not stored"
[ "$(ls hiscores)" = "c_1_1.dat" ] || fail "hiscores: $(ls hiscores)"
echo "championships in $(( $(date +%s) - debut )) s"
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
