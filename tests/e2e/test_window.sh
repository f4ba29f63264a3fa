#!/bin/sh
# A forced window size opens that window whatever config.cfg says; the main menu shows on the
# menus' clear colour; choosing "Sortie" shuts down in order, exit code 0, and config.cfg holds
# what shutdown writes.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)

# A configuration asking for full screen at another size: the command line must win.
printf '[Graphics]\nfull_screen = 1\nscreen_width = 640\nscreen_height = 480\n[Game]\ntype_jeu = 1\n' \
  > "$GAME_DIR/config.cfg"

# Started from another folder: the game must find its data and config beside itself.
cd /
"$GAME_DIR/veltra" 1000 700 > "$GAME_DIR/log.txt" 2>&1 &
pid=$!
win=$(wait_window $pid 60) || { cat "$GAME_DIR/log.txt"; fail "no window"; }

geom=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geom" = "1000x700" ] || fail "window is $geom, expected 1000x700"

# The menu: clear colour (0.5, 0.55, 0.7) around the title, and the title drawn in red.
wait_colour_band "$win" 100 120 "$RED" 60 "$OUT/menu.png" || fail "no menu title"
attend_stable "$win" "$OUT/menu.png" 60 || fail "the menu never settled"
rgb=$(pixel_rgb "$OUT/menu.png" 20 680)
case "$rgb" in
  127,140,178|128,140,179|128,140,178|127,140,179) ;;
  *) fail "clear colour is $rgb" ;;
esac

# Down three times to "Sortie", each move seen on screen, then Enter: an orderly end, code 0.
quitte_jeu "$OUT/menu.png"

# Shutdown stores the game type (read as 1 here); the forced size is never written.
grep -q '^type_jeu = 1$' "$GAME_DIR/config.cfg" || fail "type_jeu not stored: $(cat "$GAME_DIR/config.cfg")"
grep -q '^screen_width = 640$' "$GAME_DIR/config.cfg" || fail "screen size overwritten"
rm -rf "$GAME_DIR"
echo PASS
