#!/bin/sh
# A new player: the first start without config.cfg (the main menu at once, config.cfg written with
# the first-start values), then every option changed through the menus - laps, difficulty,
# language, both volumes, the keys, the joystick set-up on a machine without a joystick, the
# screen - and each found again after a restart, on screen and in config.cfg.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -f config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"
E=$OUT/ecran.png

# Holds key $1 until the screen stops changing (a slider at its end).
tiens_jusqu_au_bout() {
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  xdotool keydown "$1"
  attend_stable "$win" "$E" 60 || { xdotool keyup "$1"; fail "the slider never stopped"; }
  xdotool keyup "$1"
  attend_stable "$win" "$E" 60 || fail "the screen never settled"
}

# --- First start ---
t0=$(date +%s.%N)
demarre_jeu
attend_menu "$win" "$E" || fail "no main menu"
echo "first start: main menu after $(echo "$(date +%s.%N) - $t0" | bc) s"
copie_ecran "$E" "$OUT/1_menu_fr.png"
geom=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geom" = 800x600 ] || fail "first start window $geom"
# Every key of the first-start config.cfg in its section, and no other (blank lines and the order
# inside a section are the library's business).
for kv in system/keyboard=FR system/lang=fr Graphics/mappings=1 Graphics/Prof_champ=400.000000 \
    Graphics/screen_width=800 Graphics/screen_height=600 Graphics/full_screen=0 physics/glissement=0.500000 \
    physics/Vitesse_max_cpu=2.500000 Game/Nb_levels=5 Game/Nb_tours=5 Game/Nom_CPU_1=Orvane Game/Nom_CPU_2=Tilso \
    Game/Nom_CPU_3=Mufrat Game/Nom_CPU_4=Peluk Game/Nom_CPU_5=Ravin Game/Nom_Player=Human Control_kb/Haut=5 \
    Control_kb/Bas=4 Control_kb/Droite=12 Control_kb/Gauche=11 Control_kb/Spe=5 Control_kb/Valide=75 \
    Control_kb/Spe_1=4 Control_type/Type=0 Sons/Volume_music=0.500000 Sons/Volume_sons=0.500000; do
  echo "$kv"
done | sort > attendu.txt
awk '/^\[/ {s = substr($0, 2, length($0) - 2)} / = / {sub(/ = /, "="); print s "/" $0}' config.cfg | sort > lu.txt
cmp -s lu.txt attendu.txt || { diff attendu.txt lu.txt; fail "first-start config.cfg"; }

# Options > Jeu: laps 5 -> 1, difficulty Normal -> Hard, Francais -> English; back out, then in
# again: English now.
touches "$win" "$E" Down Down Return Return
copie_ecran "$E" "$OUT/1_jeu_fr.png"
touches "$win" "$E" Left Left Left Left Down Right Down Right Down Return
touches "$win" "$E" Return
copie_ecran "$E" "$OUT/1_jeu.png"
touches "$win" "$E" Down Down Down Return
copie_ecran "$E" "$OUT/1_options.png"

# Sounds: music all the way down, effects all the way up.
touches "$win" "$E" Down Down Return
tiens_jusqu_au_bout Left
touche "$win" Down "$E"
tiens_jusqu_au_bout Right
copie_ecran "$E" "$OUT/1_sons.png"
touches "$win" "$E" Down Return

# Controls: the keyboard set-up, five keys captured (Enter, then the new key); Escape during a
# capture keeps the old key.
touches "$win" "$E" Down Return
copie_ecran "$E" "$OUT/1_controles.png"
touches "$win" "$E" Down Return
copie_ecran "$E" "$OUT/1_clavier_avant.png"
touches "$win" "$E" Return Escape
meme_ecran "$E" "$OUT/1_clavier_avant.png" || fail "Escape did not keep the old key"
for k in w s n b x; do
  touches "$win" "$E" Return $k Down
done
copie_ecran "$E" "$OUT/1_clavier.png"
touches "$win" "$E" Return

# The joystick: chosen, then its set-up asks to centre the stick. Escape leaves it and says so
# (where an error would be); without a joystick it reports the error and the keyboard stays in
# use.
touches "$win" "$E" Right
copie_ecran "$E" "$OUT/1_controles_joystick.png"
touches "$win" "$E" Down Return Escape
copie_ecran "$E" "$OUT/1_joystick_annule.png"
[ "$(convert "$E" -sample 200x150! -crop 200x20+0+88 -fx "$ORANGE ? 1 : 0" -format '%[fx:mean>0.02]' info:)" = 1 ] ||
  fail "no word on screen of the cancelled joystick set-up"
touche "$win" space "$E"
meme_ecran "$E" "$OUT/1_controles_joystick.png" || fail "not back in the controls after Escape"
touches "$win" "$E" Down Return
copie_ecran "$E" "$OUT/1_joystick.png"
# The set-up waits for a key, then shows its error until the next key, and the controls dialog
# comes back.
touche "$win" space "$E"
copie_ecran "$E" "$OUT/1_joystick_erreur.png"
# The error line alone, under where the centring request was.
[ "$(convert "$E" -sample 200x150! -crop 200x20+0+88 -fx "$ORANGE ? 1 : 0" -format '%[fx:mean>0.02]' info:)" = 1 ] ||
  fail "no joystick error on screen"
meme_ecran "$E" "$OUT/1_joystick_annule.png" && fail "the cancelled set-up showed the error"
touche "$win" space "$E"
meme_ecran "$E" "$OUT/1_controles_joystick.png" || fail "not back in the controls after the joystick set-up"
touches "$win" "$E" Down Down Return
# In again: the keyboard, since no joystick could be loaded.
touches "$win" "$E" Down Return
meme_ecran "$E" "$OUT/1_controles.png" || fail "the controls do not show the keyboard after the joystick failed"
touches "$win" "$E" Down Down Return

# Screen: 800x600 -> 640x480; full screen and back to a window.
touches "$win" "$E" Down Down Down Return
touches "$win" "$E" Left Down Right Right
copie_ecran "$E" "$OUT/1_ecran.png"
touches "$win" "$E" Down Return
touches "$win" "$E" Down Down Down Down Return
attend_menu "$win" "$E" || fail "not back in the menu"
copie_ecran "$E" "$OUT/1_menu.png"
meme_ecran "$OUT/1_menu.png" "$OUT/1_menu_fr.png" && fail "the main menu is still in French"
quitte_jeu "$E"

attendu Nb_tours=1 Vitesse_max_cpu=2.600000 lang=en Volume_music=0.010000 Volume_sons=1.000000 Spe=23 Spe_1=19 Droite=14 \
    Gauche=2 Valide=24 Haut=5 Bas=4 Type=1 screen_width=640 screen_height=480 full_screen=0 type_jeu=0
cp config.cfg config_1.cfg

# --- Second start, at the first one's size: every menu as it was left ---
demarre_jeu 800 600
attend_menu "$win" "$E" || fail "no main menu at the second start"
meme_ecran "$E" "$OUT/1_menu.png" || fail "main menu differs after the restart"
touches "$win" "$E" Down Down Return Return
copie_ecran "$E" "$OUT/2_jeu.png"
meme_ecran "$E" "$OUT/1_jeu.png" || fail "game options differ after the restart"
touches "$win" "$E" Down Down Down Return Down Down Return Down
copie_ecran "$E" "$OUT/2_sons.png"
meme_ecran "$E" "$OUT/1_sons.png" || fail "volumes differ after the restart"
touches "$win" "$E" Down Return Down Return
copie_ecran "$E" "$OUT/2_controles.png"
meme_ecran "$E" "$OUT/1_controles.png" || fail "controls differ after the restart"
touches "$win" "$E" Down Return Down Down Down Down Down
copie_ecran "$E" "$OUT/2_clavier.png"
meme_ecran "$E" "$OUT/1_clavier.png" || fail "keys differ after the restart"
touches "$win" "$E" Return
touches "$win" "$E" Down Down Return
touches "$win" "$E" Down Down Down Down Return
attend_menu "$win" "$E" || fail "not back in the menu"
quitte_jeu "$E"
cmp -s config.cfg config_1.cfg || { diff config_1.cfg config.cfg; fail "config.cfg changed by a visit"; }

# --- Third start, at the configured size ---
demarre_jeu
attend_menu "$win" "$E" || fail "no main menu at the third start"
copie_ecran "$E" "$OUT/3_menu_640.png"
geom=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geom" = 640x480 ] || fail "window $geom, expected the chosen 640x480"
quitte_jeu "$E"

rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
