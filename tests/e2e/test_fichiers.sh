#!/bin/sh
# Missing and corrupt data files, each case from a fresh copy of the game: the game's message box
# with its text, then its exit code or, where the game goes on, a playable race and an orderly
# exit; never a crash or a hang.
set -u
. "$(dirname "$0")/lib.sh"
OUT=$(dossier_captures)
export ALSOFT_CONF=/dev/null

# A fresh copy of the game, 800x600 windowed, circuits with their textures.
copie() {
  prepare_game "$JEU"
  cd "$GAME_DIR"
  printf 'drivers = null\n' > alsoft.conf
  ALSOFT_CONF="$GAME_DIR/alsoft.conf"
  printf '[Graphics]\nfull_screen = 0\nmappings = 1\n[Game]\nNb_levels = 5\nNb_tours = 1\n' > config.cfg
}

# The message box of the running game must say $1 exactly ($2 names the case).
message_attendu() {
  ferme_message $pid 60 || { cat log.txt; fail "no message box for $2"; }
  [ "$(cat message.txt)" = "$1" ] || fail "message '$(cat message.txt)' for $2, expected '$1'"
}

termine() { rm -f "$OUT"/*.xwd; cd / && rm -rf "$GAME_DIR"; }

JEU=$1

# A missing ship model (its loader's message, then a key) or texture: exit code 1, never a signal.
for cas in "objets/vaisseau3_1.3ds|Error : Unable to find the file: ./objets/vaisseau3_1.3ds!|space" \
    "maps/livree2.jpg|Fichier texture '' livree2.jpg '' introuvable !|"; do
  f=${cas%%|*} reste=${cas#*|}
  copie
  rm "$f"
  demarre_jeu 800 600
  message_attendu "${reste%|*}" "a missing $f"
  [ -n "${reste##*|}" ] && { sleep 0.5; press_key "$win" space; }
  wait_exit $pid 60 || { kill $pid; fail "$f: the game hangs after its message"; }
  [ "$EXIT_CODE" -eq 1 ] || { cat log.txt; fail "a missing $f: exit code $EXIT_CODE, expected 1"; }
  termine
done

# A decoration model that is not a model at all: the message, a key, and the game goes on.
copie
echo "not a model" > objets/palmier.3DS
demarre_jeu 800 600
message_attendu "Error : Unable to load PRIMARY chunck from file: ./objets/palmier.3DS!" "a corrupt model"
sleep 0.5
press_key "$win" space
attend_menu "$win" "$OUT/modele_corrompu_menu.png" || fail "no menu after a corrupt model"
quitte_jeu "$OUT/modele_corrompu_menu.png"
termine

# Broken circuit data in one game: circuits 2 (no racing line) and 3 (a racing line of no points)
# cannot be raced and say so in a dialog that Enter closes; circuit 4, whose model is cut after its
# first kilobyte, starts, runs and is left with Escape. Then a championship whose first circuit
# has a racing line of one point is refused the same way and records nothing.
copie
rm objets/traj_2.dat
printf '\0\0\0\0' > objets/traj_3.dat
{ printf '\1\0\0\0'; head -c 24 /dev/zero; } > objets/traj_1.dat
head -c 1024 objets/kan_4.3ds > kan_4.3ds && mv kan_4.3ds objets/kan_4.3ds
rm -rf hiscores && mkdir hiscores
printf '[Game]\nLevel_actif = 1\n' >> config.cfg
demarre_jeu 800 600
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"

# The refusal of circuit $1 (its line in the log), its dialog kept in $2, then Enter back to the
# main menu.
refus_attendu() {
  fin_refus=$(( $(date +%s) + 120 ))
  until grep -q "traj_$1.dat holds" log.txt; do
    [ "$(date +%s)" -lt "$fin_refus" ] || { cat log.txt; fail "circuit $1 was not refused"; }
    kill -0 $pid 2>/dev/null || { cat log.txt; fail "the game stopped on circuit $1"; }
    sleep 0.2
  done
  attend_stable "$win" "$2" 60 1 || fail "the refusal of circuit $1 never settled"
  # Its red title below the main menu's, over the menus' background.
  bande "$2" 185 45 "$RED" 's > 0.01' && bande "$2" 580 20 "$FOND_MENU" 's > 0.9' ||
    fail "no refusal dialog for circuit $1 (see $2)"
  press_key "$win" Return
  attend_menu "$win" "$OUT/menu.png" || { cat log.txt; fail "not back in the menu after circuit $1"; }
}

circuit=1
for k in 2 4 3; do
  E="$OUT/circuit_$k.png"
  copie_ecran "$OUT/menu.png" "$E"
  # The dialog opens on the last circuit raced; its number is changed with Left and Right.
  touches "$win" "$E" Return Down
  while [ $circuit -lt $k ]; do touche "$win" Right "$E"; circuit=$((circuit + 1)); done
  while [ $circuit -gt $k ]; do touche "$win" Left "$E"; circuit=$((circuit - 1)); done
  touches "$win" "$E" Up
  press_key "$win" Return
  if [ $k -ne 4 ]; then
    refus_attendu $k "$OUT/refus_$k.png"
    continue
  fi
  attend_pret "$win" 120 "$OUT/pret_$k.png" || { cat log.txt; fail "no ready prompt on circuit $k"; }
  repond_pret "$win" "$OUT/depart_$k.png"
  abandonne_course "$win" "$OUT/course_$k.png"
  attend_menu "$win" "$OUT/menu.png" || { cat log.txt; fail "not back in the menu after circuit $k"; }
done

# The championship: the game type on the main menu, its dialog, "Jouer".
E="$OUT/championnat.png"
copie_ecran "$OUT/menu.png" "$E"
touches "$win" "$E" Down Right Up Return
press_key "$win" Return
refus_attendu 1 "$OUT/refus_championnat.png"
[ -z "$(ls hiscores)" ] || fail "refused races wrote hiscores: $(ls hiscores)"
quitte_jeu "$OUT/menu.png"
[ ! -e objets/traj_2.dat ] || fail "a racing line was written for a race that was never run"
termine
echo PASS
