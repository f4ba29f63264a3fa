#!/bin/sh
# Race frames drawn by the render benchmark, no window of the game. A 4:3 window draws what it
# always drew: frames of the five circuits at 800 x 600 (frame 130 of the benchmark's race) hash
# to the pixels of the game before wide windows were laid out; the gauge's corner is left out,
# its drawing is its own business, and after a deliberate change of the race picture the new
# hashes are printed by the failure. Frames drawn with the models' display lists are the very
# pictures drawn vertex by vertex, and two runs of the same race draw the same frame, on a circuit
# with many plants in view at two moments of the race.
set -u
. "$(dirname "$0")/lib.sh"
jeu=$(cd "$(dirname "$1")" && pwd)
banc="$jeu/../tools/veltra-bench-rendu"
[ -x "$banc" ] || fail "no render benchmark beside the game ($banc)"
out=${E2E_OUT:-$(mktemp -d)}
mkdir -p "$out"
image() {  # $1 name, $2 circuit, $3 frame, then environment assignments
  nom=$1 c=$2 k=$3
  shift 3
  env VELTRA_BENCH_SANS_MUSIQUE=1 "$@" "$banc" --data "$jeu" --size 800 600 --circuit "$c" --frames $((k + 10)) \
    --capture "$out/$nom.png" --capture-frame "$k" >"$out/$nom.log" 2>&1 || fail "$nom: benchmark failed"
  [ -s "$out/$nom.png" ] || fail "$nom: no capture"
}

ecarts=""
for attendu in 1:d62453624ebb6f3a02afb24fef9bb4d1 2:a6a287809051c8b872fad0077a9a273c \
    3:14f43b926ce72fd68643bc182590a73e 4:cec255a63b7c376d0bf0c8ba6c3d4623 5:1a1d69ccb611744d92fa0ef94100a475; do
  c=${attendu%%:*}
  image "c${c}_800" "$c" 130
  somme=$(convert "$out/c${c}_800.png" -fill black -draw 'rectangle 600,440 799,599' -depth 8 rgb:- | md5sum | cut -c1-32)
  [ "$somme" = "${attendu#*:}" ] || ecarts="$ecarts circuit $c: $somme;"
done
[ -z "$ecarts" ] || fail "800x600 frames changed:$ecarts (pictures in $out)"

for k in 40 220; do
  image "listes_$k" 3 "$k"
  image "listes_bis_$k" 3 "$k"
  image "immediat_$k" 3 "$k" VELTRA_SANS_LISTES=1
  ecart=$(pixels_differents "$out/listes_$k.png" "$out/immediat_$k.png")
  [ "$ecart" = 0 ] || fail "frame $k: $ecart pixels differ between display lists and immediate drawing"
  ecart=$(pixels_differents "$out/listes_$k.png" "$out/listes_bis_$k.png")
  [ "$ecart" = 0 ] || fail "frame $k: $ecart pixels differ between two runs of the same race"
  # Not an empty or one-colour frame: the comparison above would prove nothing.
  couleurs=$(convert "$out/listes_$k.png" -format '%k' info:)
  [ "$couleurs" -gt 1000 ] || fail "frame $k has only $couleurs colours"
done
echo PASS
