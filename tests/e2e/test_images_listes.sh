#!/bin/sh
# Race frames drawn with the models' display lists are the very pictures drawn vertex by vertex,
# and two runs of the same race draw the same frame: decorations, ships, bonuses, HUD and minimap
# on a circuit with many plants in view, at two moments of the race.
set -u
. "$(dirname "$0")/lib.sh"
jeu=$(cd "$(dirname "$1")" && pwd)
banc="$jeu/../tools/veltra-bench-rendu"
[ -x "$banc" ] || fail "no render benchmark beside the game ($banc)"
out=${E2E_OUT:-$(mktemp -d)}
mkdir -p "$out"
image() {  # $1 name, $2 frame, then environment assignments
  nom=$1 k=$2
  shift 2
  env VELTRA_BENCH_SANS_MUSIQUE=1 "$@" "$banc" --data "$jeu" --circuit 3 --frames $((k + 1)) \
    --capture "$out/$nom.png" --capture-frame "$k" >"$out/$nom.log" 2>&1 || fail "$nom: benchmark failed"
  [ -s "$out/$nom.png" ] || fail "$nom: no capture"
}
for k in 40 220; do
  image "listes_$k" "$k"
  image "listes_bis_$k" "$k"
  image "immediat_$k" "$k" VELTRA_SANS_LISTES=1
  ecart=$(compare -metric AE "$out/listes_$k.png" "$out/immediat_$k.png" null: 2>&1)
  [ "$ecart" = 0 ] || fail "frame $k: $ecart pixels differ between display lists and immediate drawing"
  ecart=$(compare -metric AE "$out/listes_$k.png" "$out/listes_bis_$k.png" null: 2>&1)
  [ "$ecart" = 0 ] || fail "frame $k: $ecart pixels differ between two runs of the same race"
  # Not an empty or one-colour frame: the comparison above would prove nothing.
  couleurs=$(convert "$out/listes_$k.png" -format '%k' info:)
  [ "$couleurs" -gt 1000 ] || fail "frame $k has only $couleurs colours"
done
echo "ok: display lists draw the same frames"
