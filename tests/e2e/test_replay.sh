#!/bin/sh
# A single race driven by the autopilot to the classification screen, which offers its replay:
# R plays the race again under "REPLAY" to the same arrival time, C moves the camera to another
# pilot, Escape goes back to the classification. Then the kept file from the command line, which
# Escape ends.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -rf hiscores replays config.cfg
mkdir hiscores
# One lap against slow computer pilots: the autopilot reaches the podium, and the classification.
printf '[Graphics]\nfull_screen = 0\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\n' > config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf" VELTRA_AUTOPILOT=1

demarre_jeu 800 600
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
copie_ecran "$OUT/menu.png" "$OUT/dialogue.png"
touche "$win" Return "$OUT/dialogue.png"
press_key "$win" Return
attend_pret "$win" 120 "$OUT/pret.png" || { cat log.txt; fail "no ready prompt"; }
repond_pret "$win" "$OUT/depart.png"
attend_arrivee_joueur 1 600
quitte_course "$win" "$OUT/fini.png"
attend_fichier replays/last.rpl 60 || { cat log.txt; fail "the finished race was not kept"; }
cmp -s replays/last.rpl replays/best_1_1.rpl || fail "the first race on circuit 1 is not its best"
# The offer under the table: "R : Revoir" in the title's red near the bottom.
attend_bande "$win" 480 60 "$RED" 30 "$OUT/classement.png" 's > 0.002' || fail "no replay offered"

# The replay: the player arrives again, at the same time, under the red mark.
press_key "$win" r
attend_arrivee_joueur 2 600
[ "$(temps_joueur 2)" = "$(temps_joueur 1)" ] || fail "replayed to $(temps_joueur 2), raced in $(temps_joueur 1)"
capture "$win" "$OUT/replay.png"
awk -v s="$(colour_share "$OUT/replay.png" 185 30 "$RED")" 'BEGIN { exit !(s > 0.01) }' ||
  fail "no REPLAY mark"
press_key "$win" c
sleep 2
capture "$win" "$OUT/replay_camera.png"
press_key "$win" Escape
attend_bande "$win" 480 60 "$RED" 30 "$OUT/classement_2.png" 's > 0.002' || fail "Escape did not leave the replay"
press_key "$win" space
attend_menu "$win" "$OUT/retour.png" || { cat log.txt; fail "not back in the menu"; }
quitte_jeu "$OUT/retour.png"
# Watching records nothing and scores nothing.
[ "$(ls replays | tr '\n' ' ')" = "best_1_1.rpl last.rpl " ] || fail "replays: $(ls replays)"

# From the command line, until Escape.
demarre_jeu --replay replays/last.rpl 800 600
sleep 15
capture "$win" "$OUT/ligne_commande.png"
awk -v s="$(colour_share "$OUT/ligne_commande.png" 185 30 "$RED")" 'BEGIN { exit !(s > 0.01) }' ||
  fail "no REPLAY mark from the command line"
press_key "$win" Escape
wait_exit $pid 60 || { kill $pid; fail "Escape did not end the replay"; }
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
# A file of another version is refused with its reason, before any window.
printf 'VRPL\011\000' > autre.rpl
./veltra --replay autre.rpl > log.txt 2>&1 && fail "a replay of another version was played"
grep -q 'version 9, this game plays version 1' log.txt || { cat log.txt; fail "no reason given"; }
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
