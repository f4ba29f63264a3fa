#!/bin/sh
# The real game under Valgrind memcheck in a small window, for a by-hand run of main menu ->
# race -> quit (frames take seconds under memcheck, so the keys are given by hand with
# tests/valgrind/touche.sh, each held until the screen shows it was taken):
#   scripts/xvfb-session tests/valgrind/course_valgrind.sh build/game/veltra /tmp/vg &
#   touche.sh /tmp/vg shot            (look at /tmp/vg/ecran.png)
#   Return (main menu "Jouer"), Return (dialog "Jouer"), space at "Pret ?", Up for a while,
#   Escape, Return at "Sortie ?", then Down Down Down Return ("Sortie") in the main menu.
# When the game has ended, OUT/fin holds its exit code and OUT/memcheck.log the report.
set -u
ici=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 2 ] || { echo "usage: $0 GAME_BINARY OUT" >&2; exit 2; }
jeu=$(cd "$(dirname "$1")" && pwd)
OUT=$2
rm -rf "$OUT" && mkdir -p "$OUT" || exit 2
cp "$jeu/veltra" "$OUT/"
for d in objets files maps sons; do cp -r "$jeu/$d" "$OUT/"; done
cd "$OUT" || exit 2
echo "$DISPLAY" > display
printf 'drivers = wave\n[wave]\nfile = %s/capture.wav\n' "$OUT" > alsoft.conf
# llvmpipe draws on the main thread: fewer threads for memcheck to serialise.
LP_NUM_THREADS=0 ALSOFT_CONF="$OUT/alsoft.conf" valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --num-callers=40 \
  --suppressions="$ici/systeme.supp" --gen-suppressions=all --log-file="$OUT/memcheck.log" \
  ./veltra 640 480 > jeu.txt 2>&1
echo "$?" > fin
grep -E "ERROR SUMMARY|definitely lost|indirectly lost" memcheck.log
