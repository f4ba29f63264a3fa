#!/bin/sh
# Starting up, never a crash: without a display, the screen error and exit code 1; a refused
# full-screen mode (Xvfb offers no mode switching), the message box, exit code 1, and config.cfg
# asking for a 800 x 600 window at the next start; a forced window size opens that window
# whatever config.cfg says, the main menu shows on the menus' clear colour, "Sortie" shuts down in
# order with exit code 0, and config.cfg holds what shutdown writes.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"

# No display at all: config.cfg keeps asking for a window.
printf '[Graphics]\nfull_screen = 0\n' > config.cfg
DISPLAY= ./veltra > log.txt 2>&1 &
pid=$!
wait_exit $pid 60 || { kill $pid; fail "the game hangs without a display"; }
[ "$EXIT_CODE" -eq 1 ] || { cat log.txt; fail "no display: exit code $EXIT_CODE, expected 1"; }
grep -q '^Error setting OpenGL windowed graphics mode:$' log.txt || { cat log.txt; fail "no screen error"; }
grep -q '^full_screen = 0$' config.cfg || fail "config.cfg changed: $(cat config.cfg)"

printf '[Graphics]\nfull_screen = 1\nscreen_width = 1024\nscreen_height = 768\n' > config.cfg
./veltra > log.txt 2>&1 &
pid=$!
ferme_message $pid 60 || { cat log.txt; kill $pid; fail "no message box for the refused full screen"; }
wait_exit $pid 30 || { kill $pid; fail "did not stop after the message"; }
[ "$EXIT_CODE" -eq 1 ] || fail "full screen refused: exit code $EXIT_CODE, expected 1"
for kv in full_screen=0 screen_width=800 screen_height=600; do
  grep -q "^${kv%=*} = ${kv#*=}$" config.cfg || fail "${kv%=*} not reset: $(cat config.cfg)"
done

# A configuration asking for full screen at another size: the command line must win. Started
# from another folder, the game must find its data and config beside itself.
printf '[Graphics]\nfull_screen = 1\nscreen_width = 640\nscreen_height = 480\n[Game]\ntype_jeu = 1\n' > config.cfg
cd /
"$GAME_DIR/veltra" 1000 700 > "$GAME_DIR/log.txt" 2>&1 &
pid=$!
win=$(wait_window $pid 60) || { cat "$GAME_DIR/log.txt"; fail "no window"; }
geom=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geom" = "1000x700" ] || fail "window is $geom, expected 1000x700"
attend_menu "$win" "$OUT/menu.png" || fail "no main menu over the menus' clear colour"
quitte_jeu "$OUT/menu.png"
# Shutdown stores the game type (read as 1 here); the forced size is never written.
grep -q '^type_jeu = 1$' "$GAME_DIR/config.cfg" || fail "type_jeu not stored: $(cat "$GAME_DIR/config.cfg")"
grep -q '^screen_width = 640$' "$GAME_DIR/config.cfg" || fail "screen size overwritten"
rm -f "$OUT"/*.xwd
rm -rf "$GAME_DIR"
echo PASS
