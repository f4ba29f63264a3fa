#!/bin/sh
# The race walk, 1-lap races in two games. First, driven by the autopilot: a time trial on
# circuit 1, which has no ghost yet and says so, races alone to its end (no replay of it among the
# races') and keeps its time in hiscores/t_1_1.dat and its run beside it; then a whole
# championship on the five circuits, with the standings after each race, the final table and the
# championship hiscores, each race kept as a replay that the headless simulator replays to the
# player's place and time in the game. Then with real keys: a second time trial where the player
# waits on the grid while the ghost, a blue see-through ship, drives away in front of it; and a
# championship race where the ship moves on Up and the race is heard. Both are left with Escape
# and record nothing. The main menu opens on the stored game type and keeps it.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores replays config.cfg
mkdir hiscores
# Computer pilots slow enough for the autopilot to reach the podium every time: a race off the
# podium ends a championship.
printf '[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\ntype_jeu = 2\n' > config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf" VELTRA_AUTOPILOT=1
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT

# The ghost's blue, and the blue of the word about it under the time.
BLEU='(b>0.55 && b>r+0.22 && b>g+0.12)'
# Share of that blue in the scene under the word (rows 250 to 600 of an 800x600 window).
bleu_scene() { colour_share "$1" 250 350 "$BLEU"; }

# From the main menu (time trial) to the start of run $1; then screenshots $1_0..6.png in its
# first seconds.
contre_la_montre() {
  lance_course "$1" "$OUT/menu.png"
  # The word about the ghost comes with the start, under the time, for five seconds.
  attend_bande "$win" 190 50 "$BLEU" 60 "$OUT/$1_0.png" 's > 0.002' || fail "no word about the ghost"
  for i in 1 2 3 4 5 6; do
    capture "$win" "$OUT/$1_$i.png"
    sleep 0.3
  done
}

# The menu's game type moved with key $1 (Left or Right), focus back on "Jouer".
type_jeu() { touches "$win" "$OUT/menu.png" Down "$1" Up; }

# The player's place in its $1-th arrival in log.txt.
place() { grep 'arrival .*(player)' log.txt | sed -n "$1p" | sed 's/.*arrival \([0-9]\).*/\1/'; }

debut=$(date +%s)
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
contre_la_montre premier
attend_arrivee_joueur 1 600
quitte_course "$win" "$OUT/premier_fini.png"
attend_tableau "$win" "$OUT/premier_classement.png" || { cat log.txt; fail "no time trial classification"; }
attend_fichier hiscores/t_1_1.rpl 30 || { cat log.txt; fail "the first run was not kept as the ghost"; }
[ ! -e replays/last.rpl ] || fail "a time trial went into the race replays"
press_key "$win" space
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the time trial"
# The records: ten rows of 48 bytes, the player's with the time of the arrival.
verifie_hiscores hiscores/t_1_1.dat 48 Human "$(temps_joueur 1)"
grep -q Human hiscores/t_1_1.dat || fail "the player's $(temps_joueur 1) is not in the records"

type_jeu Left
copie_ecran "$OUT/menu.png" "$OUT/menu_championnat.png"
lance_course championnat "$OUT/menu.png"
for k in 1 2 3 4 5; do
  t0=$(date +%s)
  if [ $k -gt 1 ]; then
    attend_pret "$win" 120 "$OUT/pret_$k.png" || { cat log.txt; fail "no ready prompt for race $k"; }
    repond_pret "$win" "$OUT/depart_$k.png"
  fi
  attend_arrivee_joueur $((k + 1)) 600
  [ "$(place $((k + 1)))" -le 3 ] || fail "the player finished $(place $((k + 1))) in race $k: the championship ends"
  quitte_course "$win" "$OUT/fini_$k.png"
  attend_tableau "$win" "$OUT/classement_course_$k.png" 60 || fail "no standings after race $k"
  attend_fichier replays/best_${k}_1.rpl 30 || fail "no best replay for circuit $k"
  cmp -s replays/last.rpl replays/best_${k}_1.rpl || fail "the first race on circuit $k is not its best replay"
  cp replays/last.rpl replay_$k.rpl
  [ $k -lt 5 ] || attend_fichier hiscores/c_1_1.dat 10 || fail "no championship hiscores"
  press_key "$win" space
  [ $k -eq 5 ] || attend_bande "$win" 200 250 "$RANGEE" 30 "$OUT/apres_$k.png" 's <= 0.01' ||
    fail "the standings of race $k stayed"
  echo "race $k: $(( $(date +%s) - t0 )) s, $(grep 'arrival .*(player)' log.txt | sed -n "$((k + 1))p")"
done
# The final table follows the last standings and waits for a key of its own.
sleep 2
attend_tableau "$win" "$OUT/classement_championnat.png" 10 || fail "no final table"
press_key "$win" space
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the championship"
meme_ecran "$OUT/menu.png" "$OUT/menu_championnat.png" || fail "the main menu no longer shows the championship"
quitte_jeu "$OUT/menu.png"
grep -q 'no ghost' log.txt && { cat log.txt; fail "the ghost file was refused"; }
cp log.txt log_1.txt
echo "autopilot's game: $(( $(date +%s) - debut )) s"

# The player's row of the hiscores: the points of its five places (4, 2, 1) and its summed time.
# With more than the default rows' single point it heads the table.
points=0 total=0
for k in 2 3 4 5 6; do
  case $(place $k) in 1) points=$((points + 4)) ;; 2) points=$((points + 2)) ;; 3) points=$((points + 1)) ;; esac
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
[ "$(ls hiscores | tr '\n' ' ')" = "c_1_1.dat t_1_1.dat t_1_1.rpl " ] || fail "hiscores: $(ls hiscores)"
# The races again, headless, from their replay files: the player's place and time to the
# sixtieth, whatever rate the game drew its frames at.
sim="$(dirname "$1")/../tools/veltra-sim"
for k in 1 2 3 4 5; do
  "$sim" --replay replay_$k.rpl --data "$GAME_DIR" > sim_$k.txt || { cat sim_$k.txt; fail "race $k not replayed"; }
  jeu=$(grep 'arrival .*(player)' log.txt | sed -n "$((k + 1))p" | awk '{print $3, $(NF)}')
  rejeu=$(awk '/\(replay\)/ {print $1, $3}' sim_$k.txt)
  echo "race $k: game $jeu, replay $rejeu"
  [ -n "$jeu" ] && [ "$jeu" = "$rejeu" ] || { cat sim_$k.txt; fail "race $k replayed to $rejeu, not $jeu"; }
done

# The second game plays into a WAV file through the sound library's wave output.
printf 'drivers = wave\n[wave]\nfile = %s/capture.wav\n' "$GAME_DIR" > alsoft.conf
ls -l --full-time hiscores replays > fichiers.txt
unset VELTRA_AUTOPILOT VELTRA_ACCELERE
demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
meme_ecran "$OUT/menu.png" "$OUT/menu_championnat.png" || fail "the main menu did not open on the championship"
type_jeu Right
contre_la_montre second
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
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after the time trial"
grep 'arrival' log.txt && fail "an arrival in a run where the player waited (the ghost's?)"

type_jeu Left
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
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.02) }' || fail "the races were silent (RMS $rms)"
rm -f capture.wav
ls -l --full-time hiscores replays | cmp -s - fichiers.txt || fail "an abandoned race changed the records"
echo "race walk in $(( $(date +%s) - debut )) s"
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
