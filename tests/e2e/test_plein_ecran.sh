#!/bin/sh
# A refused full-screen mode (Xvfb offers no mode switching) shows the message box, stops with
# exit code 1, and leaves config.cfg asking for a 800 x 600 window at the next start.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
printf '[Graphics]\nfull_screen = 1\nscreen_width = 1024\nscreen_height = 768\n' > "$GAME_DIR/config.cfg"
cd "$GAME_DIR"
./veltra > log.txt 2>&1 &
pid=$!
end=$(( $(date +%s) + 60 ))
box=""
while [ -z "$box" ] && [ "$(date +%s)" -lt "$end" ]; do
  box=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n 1)
  kill -0 $pid 2>/dev/null || break
  sleep 0.2
done
[ -n "$box" ] || { cat log.txt; kill $pid 2>/dev/null; fail "no message box"; }
# The box's OK button sits at its bottom left.
h=$(xwininfo -id "$box" | awk '/Height:/ {print $2}')
xdotool mousemove --window "$box" 19 $((h - 15)) click 1
wait_exit $pid 30 || { kill $pid; fail "did not stop after the message"; }
[ "$EXIT_CODE" -eq 1 ] || fail "exit code $EXIT_CODE, expected 1"
grep -q '^full_screen = 0$' config.cfg || fail "full_screen not reset: $(cat config.cfg)"
grep -q '^screen_width = 800$' config.cfg || fail "width not reset"
grep -q '^screen_height = 600$' config.cfg || fail "height not reset"
cd / && rm -rf "$GAME_DIR"
echo PASS
