#!/bin/sh
# A single race from the main menu with real key presses: "Ready ?", the countdown, driving,
# the Escape prompt, back to the menu, and an orderly exit.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
[ -f "$GAME_DIR/objets/kan_1.3ds" ] || fail "no circuit data beside the game"

cd "$GAME_DIR"
# Everything the game plays goes to a WAV file through the sound library's wave output.
printf 'drivers = wave\n[wave]\nfile = %s/capture.wav\n' "$GAME_DIR" > alsoft.conf
ALSOFT_CONF="$GAME_DIR/alsoft.conf" ./veltra 800 600 > log.txt 2>&1 &
pid=$!
win=$(wait_window $pid 60) || { cat log.txt; fail "no window"; }
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"

# "Jouer" in the main menu, then "Jouer" in the single-race dialog once it has opened.
copie_ecran "$OUT/menu.png" "$OUT/dialogue.png"
touche "$win" Return "$OUT/dialogue.png"
press_key "$win" Return
# The circuit loads, then "Pret ?" waits for a key in the middle of the screen.
attend_pret "$win" 120 "$OUT/pret.png" || { cat log.txt; fail "no ready prompt"; }
repond_pret "$win" "$OUT/decompte.png"
sleep 1
capture "$win" "$OUT/decompte.png"
# Countdown of six seconds, then the throttle for three.
sleep 6
xdotool windowfocus "$win"
xdotool keydown Up
sleep 3
capture "$win" "$OUT/course.png"
xdotool keyup Up
diff=$(pixels_differents "$OUT/decompte.png" "$OUT/course.png")
[ "${diff:-0}" -gt 20000 ] || fail "the race view did not change ($diff pixels)"

# Escape freezes the race under "Sortie ?"; Enter there leads back to the main menu, then
# "Sortie". Each key waits for what the one before it put on screen, however slow the frames.
quitte_course "$win" "$OUT/sortie.png"
attend_menu "$win" "$OUT/retour.png" || { cat log.txt; fail "not back in the menu"; }
quitte_jeu "$OUT/retour.png"
# The race was heard: engines, countdown and music are well above silence.
rms=$(sox capture.wav -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}')
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.02) }' || fail "the race was silent (RMS $rms)"
[ -n "${E2E_OUT:-}" ] && cp capture.wav "$OUT/"
# An abandoned race records nothing.
[ ! -e hiscores/s_1_5.dat ] || fail "hiscores written for an abandoned race"
rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
