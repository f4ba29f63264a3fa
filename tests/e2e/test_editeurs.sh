#!/bin/sh
# The three editing modes from a race: screenshots of each, and a racing-line point moved and
# saved with F2 is found where it was left when the circuit is loaded again.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"
demarre_jeu 800 600
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"

# From the menu into a race, then editing mode $1 (F10, F11 or F12). The race takes the key once
# its countdown is over, then stops drawing until the key is let go: it is held until two dumps
# well apart are the same.
edite() {
  lance_course "$1" "$OUT/menu.png"
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  xdotool keydown "$1"
  fin=$(( $(date +%s) + 120 ))
  vidage "$win" a.xwd
  until sleep 1.5 && vidage "$win" b.xwd && cmp -s a.xwd b.xwd; do
    [ "$(date +%s)" -lt "$fin" ] || { xdotool keyup "$1"; fail "the race never took $1"; }
    mv b.xwd a.xwd
  done
  xdotool keyup "$1"
}

# Back to the main menu from an editing mode.
quitte() {
  press_key "$win" Escape
  attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu after $1"
}

# F2 in the line editor, and the line written again.
sauve() {
  avant=$(stat -c %y objets/traj_1.dat)
  press_key "$win" F2
  fin=$(( $(date +%s) + 30 ))
  while [ "$(stat -c %y objets/traj_1.dat)" = "$avant" ]; do
    [ "$(date +%s)" -lt "$fin" ] || fail "F2 did not save the line"
    sleep 0.2
  done
}

cp objets/traj_1.dat traj_avant.dat
edite F10
# A little back and up, to see the current point's markers and labels.
press_key "$win" Down 0.5
capture "$win" "$OUT/editeur_traj.png"
press_key "$win" KP_Add 0.4
sauve
cmp -s objets/traj_1.dat traj_avant.dat && fail "F2 did not save the moved point"
cp objets/traj_1.dat traj_deplace.dat
quitte traj

for f in F11 F12; do
  edite $f
  capture "$win" "$OUT/editeur_$f.png" || fail "no screenshot of the $f mode"
  quitte $f
done

# The race loads the moved line: saving it again unchanged gives the same file.
edite F10
sauve
cmp -s objets/traj_1.dat traj_deplace.dat || fail "the moved point did not come back with the circuit"
quitte traj2
quitte_jeu "$OUT/menu.png"
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
