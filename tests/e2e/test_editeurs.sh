#!/bin/sh
# The three editing modes from a race: screenshots of each, and a racing-line point moved and
# saved with F2 is found where it was left when the circuit is loaded again.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
[ -f "$GAME_DIR/objets/traj_1.dat" ] || fail "no circuit data beside the game"

cd "$GAME_DIR"
printf 'drivers = null\n' > alsoft.conf
ALSOFT_CONF="$GAME_DIR/alsoft.conf" ./veltra 800 600 > log.txt 2>&1 &
pid=$!
win=$(wait_window $pid 60) || { cat log.txt; fail "no window"; }
attend_menu "$win" "$OUT/retour.png" || fail "no main menu"

# The key held for a few steps of the editor.
tiens() {
  xdotool windowfocus "$win"
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# From the menu into a race, then one editing mode with F10, F11 or F12 ($1).
edite() {
  copie_ecran "$OUT/retour.png" "$OUT/dialogue.png"
  touche "$win" Return "$OUT/dialogue.png"
  press_key "$win" Return
  attend_pret "$win" 120 "$OUT/pret.png" || { cat log.txt; fail "no ready prompt"; }
  repond_pret "$win" "$OUT/decompte.png"
  # Held through the countdown: the race takes the key on its first step.
  tiens "$1" 12
  sleep 1
}

# Back to the main menu from an editing mode.
quitte() {
  press_key "$win" Escape
  attend_menu "$win" "$OUT/retour.png" || fail "not back in the menu after $1"
}

cp objets/traj_1.dat traj_avant.dat
edite F10
# A little back and up, to see the current point's markers and labels.
tiens Down 0.5
capture "$win" "$OUT/editeur_traj.png"
tiens KP_Add 0.4
press_key "$win" F2
sleep 0.5
cmp -s objets/traj_1.dat traj_avant.dat && fail "F2 did not save the moved point"
cp objets/traj_1.dat traj_deplace.dat
quitte traj

edite F11
capture "$win" "$OUT/editeur_deco.png"
quitte deco

edite F12
capture "$win" "$OUT/editeur_occlu.png"
quitte occlu

# The race loads the moved line: saving it again unchanged gives the same file.
edite F10
press_key "$win" F2
sleep 0.5
cmp -s objets/traj_1.dat traj_deplace.dat || fail "the moved point did not come back with the circuit"
quitte traj2

quitte_jeu "$OUT/retour.png"
for f in traj deco occlu; do
  [ -s "$OUT/editeur_$f.png" ] || fail "no screenshot of the $f mode"
done
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
