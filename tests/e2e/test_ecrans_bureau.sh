#!/bin/sh
# Options -> Screen through restarts: "Desktop" gives a frameless window over the whole desktop
# (here a 2560 x 1440 virtual screen, which refuses mode switches) at the next start; from there a
# wide size is chosen, found again at its own index at the start after, and changed once more.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
rm -f config.cfg
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"
E=$OUT/ecran.png

valeur() { awk -F' = ' -v k="$1" '$1 == k {print $2}' config.cfg; }
attendu() {
  for kv in "$@"; do
    [ "$(valeur "${kv%=*}")" = "${kv#*=}" ] || fail "${kv%=*} is '$(valeur "${kv%=*}")', expected ${kv#*=}"
  done
}
fenetre() { xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}'; }

# Starts the game and waits for its main menu, settled, at any window size.
demarre_menu() {
  demarre_jeu
  h=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
  wait_colour_band "$win" $(( h / 5 )) $(( h / 8 )) "$RED" 90 "$E" || fail "no main menu"
  attend_stable "$win" "$E" 60 || fail "the menu never settled"
}

# From the main menu to Options -> Screen, keys $@ on the size, then back out and quit.
ecran() {
  touches "$win" "$E" Down Down Return Down Down Down Return
  touches "$win" "$E" "$@"
  copie_ecran "$E" "$OUT/ecran_$n.png"
  touches "$win" "$E" Down Down Return
  touches "$win" "$E" Down Down Down Down Return
  quitte_jeu "$E"
}

n=1
demarre_menu
[ "$(fenetre)" = "800x600+0+0" ] || [ "$(fenetre | cut -d+ -f1)" = 800x600 ] || fail "first start window $(fenetre)"
ecran Left Left  # 800x600 -> 640x480 -> Desktop
attendu desktop=1 screen_width=2560 screen_height=1440 full_screen=0

n=2
demarre_menu
[ "$(fenetre)" = "2560x1440+0+0" ] || fail "desktop window $(fenetre), expected 2560x1440+0+0"
xprop -id "$win" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x0, 0x0' || fail "the desktop window keeps its frame"
ecran Left Left  # Desktop -> 2560x1440 -> 1920x1080
attendu desktop=0 screen_width=1920 screen_height=1080 full_screen=0

n=3
demarre_menu
[ "$(fenetre | cut -d+ -f1)" = 1920x1080 ] || fail "window $(fenetre), expected 1920x1080"
ecran Right  # read back as 1920x1080: the next entry is 2560x1440
attendu desktop=0 screen_width=2560 screen_height=1440

n=4
demarre_menu
[ "$(fenetre | cut -d+ -f1)" = 2560x1440 ] || fail "window $(fenetre), expected 2560x1440"
xprop -id "$win" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x0, 0x0' && fail "an ordinary window without its frame"
quitte_jeu "$E"

rm -f "$OUT"/*.xwd
cd / && rm -rf "$GAME_DIR"
echo PASS
