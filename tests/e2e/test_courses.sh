#!/bin/sh
# The race walk: one championship race left with Escape after real key presses (the ship moves
# on Up, the race is heard, nothing is recorded); then a whole championship of 1-lap races driven
# by the autopilot on the five circuits, with the standings after each race, the final table and
# the championship hiscores. Each race is kept as a replay, and the headless simulator replays
# every one to the player's place and time in the game. The main menu opens on the stored game
# type and keeps it.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores replays config.cfg
mkdir hiscores
# Computer pilots slow enough for the autopilot to reach the podium every time: a race off the
# podium ends a championship.
printf '[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\ntype_jeu = 1\n' > config.cfg
# The first game plays into a WAV file through the sound library's wave output.
printf 'drivers = wave\n[wave]\nfile = %s/capture.wav\n' "$GAME_DIR" > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT

# From "Pret ?" to the start of race $1 of the championship.
depart() {
  attend_pret "$win" 120 "$OUT/pret_$1.png" || { cat log.txt; fail "no ready prompt for race $1"; }
  repond_pret "$win" "$OUT/depart_$1.png"
}

debut=$(date +%s)
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
copie_ecran "$OUT/menu.png" "$OUT/menu_championnat.png"
lance_course abandon "$OUT/menu.png"
# Up held until the view has left the start's far behind (the countdown first).
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool keydown Up
fin=$(( $(date +%s) + 60 ))
until capture "$win" "$OUT/course.png" && [ "$(pixels_differents "$OUT/abandon_depart.png" "$OUT/course.png")" -gt 20000 ]; do
  [ "$(date +%s)" -lt "$fin" ] || { xdotool keyup Up; fail "the race view did not change on Up"; }
  sleep 0.5
done
xdotool keyup Up
abandonne_course "$win" "$OUT/sortie_abandon.png"
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the abandoned race"
quitte_jeu "$OUT/menu.png"
rms=$(sox capture.wav -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}')
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.02) }' || fail "the race was silent (RMS $rms)"
rm -f capture.wav
[ -z "$(ls hiscores)" ] && [ ! -e replays/last.rpl ] || fail "an abandoned race recorded: $(ls hiscores replays)"

printf 'drivers = null\n' > alsoft.conf
export VELTRA_AUTOPILOT=1
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
meme_ecran "$OUT/menu.png" "$OUT/menu_championnat.png" || fail "the main menu did not open on the championship"
lance_course championnat "$OUT/menu.png"
for k in 1 2 3 4 5; do
  t0=$(date +%s)
  [ $k -eq 1 ] || depart $k
  attend_arrivee_joueur $k 600
  place=$(grep 'arrival .*(player)' log.txt | sed -n "${k}p" | sed 's/.*arrival \([0-9]\).*/\1/')
  [ "$place" -le 3 ] || fail "the player finished $place in race $k: the championship ends there"
  quitte_course "$win" "$OUT/fini_$k.png"
  attend_tableau "$win" "$OUT/classement_course_$k.png" 60 || fail "no standings after race $k"
  attend_fichier replays/best_${k}_1.rpl 30 || fail "no best replay for circuit $k"
  cmp -s replays/last.rpl replays/best_${k}_1.rpl || fail "the first race on circuit $k is not its best replay"
  cp replays/last.rpl replay_$k.rpl
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
echo "race walk in $(( $(date +%s) - debut )) s"

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
# The races again, headless, from their replay files: the player's place and time to the
# sixtieth, whatever rate the game drew its frames at.
sim="$(dirname "$1")/../tools/veltra-sim"
for k in 1 2 3 4 5; do
  "$sim" --replay replay_$k.rpl --data "$GAME_DIR" > sim_$k.txt || { cat sim_$k.txt; fail "race $k not replayed"; }
  jeu=$(grep 'arrival .*(player)' log.txt | sed -n "${k}p" | awk '{print $3, $(NF)}')
  rejeu=$(awk '/\(replay\)/ {print $1, $3}' sim_$k.txt)
  echo "race $k: game $jeu, replay $rejeu"
  [ -n "$jeu" ] && [ "$jeu" = "$rejeu" ] || { cat sim_$k.txt; fail "race $k replayed to $rejeu, not $jeu"; }
done
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
