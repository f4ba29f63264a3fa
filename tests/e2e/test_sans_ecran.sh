#!/bin/sh
# Started where there is no display at all: the screen error on the standard error and exit
# code 1, never a crash; config.cfg keeps asking for a window.
set -u
. "$(dirname "$0")/lib.sh"
prepare_game "$1"
cd "$GAME_DIR"
printf '[Graphics]\nfull_screen = 0\n' > config.cfg
DISPLAY= ./veltra > log.txt 2>&1 &
pid=$!
wait_exit $pid 60 || { kill $pid; fail "the game hangs without a display"; }
[ "$EXIT_CODE" -eq 1 ] || { cat log.txt; fail "exit code $EXIT_CODE, expected 1"; }
grep -q '^Error setting OpenGL windowed graphics mode:$' log.txt || { cat log.txt; fail "no screen error"; }
grep -q '^full_screen = 0$' config.cfg || fail "config.cfg changed: $(cat config.cfg)"
cd / && rm -rf "$GAME_DIR"
echo PASS
