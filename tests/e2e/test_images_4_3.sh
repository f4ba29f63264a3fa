#!/bin/sh
# A 4:3 window draws what it always drew: race frames of the five circuits at 800 x 600 (frame 130
# of the render benchmark's race) hash to the pixels of the game before wide windows were laid
# out. The gauge's corner is left out of the comparison: its drawing is its own business.
# After a deliberate change of the race picture, the new hashes are printed by the failure.
set -u
. "$(dirname "$0")/lib.sh"
jeu=$(cd "$(dirname "$1")" && pwd)
banc="$jeu/../tools/veltra-bench-rendu"
[ -x "$banc" ] || fail "no render benchmark beside the game ($banc)"
out=${E2E_OUT:-$(mktemp -d)}
mkdir -p "$out"
ecarts=""
for attendu in 1:d62453624ebb6f3a02afb24fef9bb4d1 2:a6a287809051c8b872fad0077a9a273c \
    3:14f43b926ce72fd68643bc182590a73e 4:cec255a63b7c376d0bf0c8ba6c3d4623 5:1a1d69ccb611744d92fa0ef94100a475; do
  c=${attendu%%:*}
  env VELTRA_BENCH_SANS_MUSIQUE=1 "$banc" --data "$jeu" --size 800 600 --circuit "$c" --frames 140 \
    --capture "$out/c${c}_800.png" --capture-frame 130 >"$out/c$c.log" 2>&1 || fail "circuit $c: benchmark failed"
  somme=$(convert "$out/c${c}_800.png" -fill black -draw 'rectangle 600,440 799,599' -depth 8 rgb:- | md5sum | cut -c1-32)
  [ "$somme" = "${attendu#*:}" ] || ecarts="$ecarts circuit $c: $somme;"
done
[ -z "$ecarts" ] || fail "800x600 frames changed:$ecarts (pictures in $out)"
echo PASS
