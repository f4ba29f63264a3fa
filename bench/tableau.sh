#!/bin/sh
# Every measured figure of the game against its goal, in one table (`make bench`).
# Usage: bench/tableau.sh BUILD_FOLDER
# The windowed figures run the real game code in a private Xvfb (llvmpipe); the raw outputs are
# kept in BUILD_FOLDER/bench-results/.
set -u
build=$(cd "${1:-build}" && pwd) || exit 2
racine=$(cd "$(dirname "$0")/.." && pwd)
jeu="$build/game"
sortie="$build/bench-results"
mkdir -p "$sortie"
xvfb="$racine/scripts/xvfb-session"
images=${VELTRA_BENCH_FRAMES:-400}
# Three race steps per drawn frame: 400 frames sample about one lap of circuit 1, not only the
# start with the whole field in view.
pas=${VELTRA_BENCH_STEPS:-3}

# Value of KEY in a `key value` file, or "n/a".
valeur() {
  v=$(awk -v k="$2" '$1 == k { print $2; exit }' "$1" 2>/dev/null)
  echo "${v:-n/a}"
}

echo "measuring: microbenchmarks..." >&2
"$build/bench/veltra-bench" --benchmark_format=csv >"$sortie/micro.csv" 2>"$sortie/micro.err"
# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,...
son=$(awk -F, '$1 ~ /BM_SonUpdate100Canaux200Murs/ { u = $5; gsub(/"/, "", u); t = $4;
  if (u == "ns") t /= 1000; else if (u == "ms") t *= 1000; printf "%.1f", t; exit }' "$sortie/micro.csv")

echo "measuring: simulator, 5 circuits x 5 laps..." >&2
"$build/tools/veltra-sim" --all --laps 5 --data "$jeu" >"$sortie/sim.txt" 2>&1
# total: N races, N steps, wall S s, X steps/s, ... median of race medians M us; cpu S s, Y steps/s, ...
sim_mur=$(sed -n 's/^total:.* wall [0-9.]* s, \([0-9]*\) steps\/s.*/\1/p' "$sortie/sim.txt")
sim_cpu=$(sed -n 's/^total:.*; cpu [0-9.]* s, \([0-9]*\) steps\/s.*/\1/p' "$sortie/sim.txt")
pas_us=$(sed -n 's/^total:.*median of race medians \([0-9.]*\) us.*/\1/p' "$sortie/sim.txt")

echo "measuring: start-up to the main menu..." >&2
demarrage=$(mktemp -d)
for d in objets maps sons files; do [ -d "$jeu/$d" ] && ln -s "$(cd "$jeu/$d" && pwd)" "$demarrage/$d"; done
cp "$jeu/veltra" "$demarrage/"
[ -f "$jeu/config.cfg" ] && cp "$jeu/config.cfg" "$demarrage/"
# A first run writes config.cfg; the measured runs start like a player's every later start.
: >"$sortie/startup.txt"
for essai in 0 1 2 3; do
  "$xvfb" env VELTRA_PREMIERE_IMAGE="$sortie/startup_$essai.txt" LD_PRELOAD="$build/tools/libveltra_premiere_image.so" \
    "$demarrage/veltra" >/dev/null 2>&1
  [ "$essai" -gt 0 ] && cat "$sortie/startup_$essai.txt" >>"$sortie/startup.txt" 2>/dev/null
done
rm -rf "$demarrage"
depart=$(awk '$1 == "startup_ms" { print $2 }' "$sortie/startup.txt" | sort -n | sed -n 2p)
depart_cpu=$(awk '$1 == "startup_cpu_ms" { print $2 }' "$sortie/startup.txt" | sort -n | sed -n 2p)

echo "measuring: race frames at 800x600 and circuit loads..." >&2
"$xvfb" "$build/tools/veltra-bench-rendu" --data "$jeu" --size 800 600 --frames "$images" --steps "$pas" --load --floor \
  >"$sortie/frame_800.txt" 2>"$sortie/frame_800.err"
echo "measuring: race frames at 1280x1024..." >&2
"$xvfb" "$build/tools/veltra-bench-rendu" --data "$jeu" --size 1280 1024 --frames "$images" --steps "$pas" --floor \
  >"$sortie/frame_1280.txt" 2>"$sortie/frame_1280.err"
# The wide sizes need a virtual screen of their size.
for taille in 1920x1080 2560x1440; do
  echo "measuring: race frames at $taille..." >&2
  VELTRA_XVFB_ECRAN=2560x1440x24 "$xvfb" "$build/tools/veltra-bench-rendu" --data "$jeu" --size "${taille%x*}" \
    "${taille#*x}" --frames "$images" --steps "$pas" --floor >"$sortie/frame_${taille%x*}.txt" \
    2>"$sortie/frame_${taille%x*}.err"
done
echo "measuring: parts of the 800x600 frame..." >&2
"$xvfb" "$build/tools/veltra-bench-rendu" --data "$jeu" --size 800 600 --frames "$images" --steps "$pas" --detail \
  >"$sortie/detail_800.txt" 2>"$sortie/detail_800.err"

f8="$sortie/frame_800.txt"
f12="$sortie/frame_1280.txt"
f19="$sortie/frame_1920.txt"
f25="$sortie/frame_2560.txt"
d8="$sortie/detail_800.txt"
# A race as the game runs one: start-up, one circuit, the race (the load run above loads all five
# first, which says nothing about a race's memory).

# One row: what, goal, measured, unit, comparison (le: measured <= goal; ge: measured >= goal).
ligne() {
  etat="?"
  case "$3" in
    "" | n/a) set -- "$1" "$2" "n/a" "$4" "$5" ;;
    *) etat=$(awk -v m="$3" -v g="$2" -v s="$5" 'BEGIN { ok = (s == "le") ? m + 0 <= g + 0 : m + 0 >= g + 0;
         print ok ? "ok" : "MISSED" }') ;;
  esac
  [ "$5" = "info" ] && etat=""
  printf "%-46s %10s %10s  %-7s %s\n" "$1" "$([ "$5" = ge ] && echo ">= $2" || ([ "$5" = le ] && echo "<= $2" || echo "-"))" \
    "$3" "$4" "$etat"
}

echo
printf "%-46s %10s %10s  %-7s %s\n" "measure" "goal" "measured" "unit" "status"
printf "%-46s %10s %10s  %-7s %s\n" "-------" "----" "--------" "----" "------"
ligne "race frame 800x600, median (llvmpipe)" 8 "$(valeur "$f8" frame_median)" ms le
ligne "race frame 800x600, 90th percentile" - "$(valeur "$f8" frame_p90)" ms info
ligne "race frame 800x600, CPU time (all threads)" - "$(valeur "$f8" frame_cpu_median)" ms info
ligne "race frame 1280x1024, median (llvmpipe)" 12 "$(valeur "$f12" frame_median)" ms le
ligne "race frame 1280x1024, 90th percentile" - "$(valeur "$f12" frame_p90)" ms info
ligne "race frame 1280x1024, CPU time (all threads)" - "$(valeur "$f12" frame_cpu_median)" ms info
ligne "race frame 1920x1080, median (llvmpipe)" - "$(valeur "$f19" frame_median)" ms info
ligne "race frame 2560x1440, median (llvmpipe)" - "$(valeur "$f25" frame_median)" ms info
# Each size against its floor: the same frames' visible triangles in one untextured call, drawn in
# the same run (every fourth frame); the ratio is the median of the frames' own ratios.
for f in "800x600:$f8" "1280x1024:$f12" "1920x1080:$f19" "2560x1440:$f25"; do
  ligne "  floor at ${f%%:*} ($(valeur "${f#*:}" floor_triangles_median) triangles)" - "$(valeur "${f#*:}" floor_median)" ms info
  ligne "race frame over its floor, ${f%%:*}" 1.5 "$(valeur "${f#*:}" floor_ratio_median)" x le
  ligne "  the same in processor time" - "$(valeur "${f#*:}" floor_cpu_ratio_median)" x info
done
rapport=$(awk -v a="$(valeur "$f19" frame_median)" -v b="$(valeur "$f8" frame_median)" \
  'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else print "n/a" }')
ligne "race frame 1920x1080 over 800x600" 2.2 "$rapport" x le
rapport=$(awk -v a="$(valeur "$f19" frame_cpu_median)" -v b="$(valeur "$f8" frame_cpu_median)" \
  'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else print "n/a" }')
ligne "  the same in processor time" - "$rapport" x info
ligne "  presenting the frame (flip), 800x600" - "$(valeur "$f8" present_median)" ms info
ligne "  part: clearing the buffers" - "$(valeur "$d8" part_clear)" ms info
ligne "  part: circuit (visible octree nodes)" - "$(valeur "$d8" part_world)" ms info
ligne "  part: decorations" - "$(valeur "$d8" part_decorations)" ms info
ligne "  part: six ships" - "$(valeur "$d8" part_ships)" ms info
ligne "  part: bonuses and particles" - "$(valeur "$d8" part_bonus_particles)" ms info
ligne "  part: HUD, minimap, lists" - "$(valeur "$d8" part_overlays)" ms info
ligne "start-up to the main menu (median of 3)" 1000 "${depart:-n/a}" ms le
ligne "  start-up, processor time of all threads" - "${depart_cpu:-n/a}" ms info
for c in 1 2 3 4 5; do
  ligne "circuit $c load" 150 "$(valeur "$f8" load_ms_$c)" ms le
done
ligne "peak memory in a race, 800x600" 150 "$(valeur "$d8" peak_mb)" MB le
ligne "  of which mapped library code (LLVM, Mesa)" - "$(valeur "$d8" file_pages_mb)" MB info
ligne "peak memory in a race, 1280x1024" - "$(valeur "$f12" peak_mb)" MB info
ligne "race step in the game (sound update included)" - "$(valeur "$f8" step_us_median)" us info
ligne "race step, simulator, median of races" 50 "${pas_us:-n/a}" us le
ligne "simulator speed, --all --laps 5 (wall)" 20000 "${sim_mur:-n/a}" steps/s ge
ligne "simulator speed, --all --laps 5 (cpu time)" 20000 "${sim_cpu:-n/a}" steps/s ge
ligne "sound update, 100 channels, 200 walls" 200 "${son:-n/a}" us le
echo
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; raw outputs in $sortie" 
