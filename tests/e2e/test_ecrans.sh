#!/bin/sh
# Wide and narrow windows: a race frame's overlays (drawn alone on black by the render benchmark,
# with a disc in the middle) and the main menu keep the places and the shapes they have in a 4:3
# window - the lap block, the time and the running order, the minimap and the gauge each as far
# from their corner as there, measured in window heights, nothing past the window's edges - and
# the disc stays round. Then Options -> Screen through restarts: "Desktop" gives a frameless
# window over the whole desktop (here a 2560 x 1440 virtual screen, which refuses mode switches)
# at the next start; from there a wide size is chosen, found again at its own index at the start
# after, and changed once more. Needs a virtual screen of 2560 x 1440.
set -u
. "$(dirname "$0")/lib.sh"
jeu=$(cd "$(dirname "$1")" && pwd)
banc="$jeu/../tools/veltra-bench-rendu"
[ -x "$banc" ] || fail "no render benchmark beside the game ($banc)"
prepare_game "$1"
OUT=$(dossier_captures)
cd "$GAME_DIR"
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$GAME_DIR/alsoft.conf"

# Bounding box "w h x y" of what is not black in the area WxH+X+Y of PNG $1.
boite() { convert "$1" -crop "$2" +repage -fuzz 8% -format '%@' info: | tr 'x+' '  '; }

infos() {  # $1 width, $2 height -> $OUT/infos_WxH.png
  env VELTRA_BENCH_SANS_MUSIQUE=1 "$banc" --data "$jeu" --size "$1" "$2" --frames 11 \
    --capture "$OUT/infos_$1x$2.png" --capture-frame 10 --capture-overlays >"$OUT/infos_$1x$2.log" 2>&1 ||
    fail "$1x$2: benchmark failed"
}

# Compares the box of an area of the overlays at $1 x $2 with the one at 800 x 600, in units of
# the window's height: left-anchored ($5 = g) by its left side, right-anchored (d) by its right
# side, centred (c) by its middle. $3 names the part, $4 is its area as shares of width and height.
compare_partie() {
  l=$1 h=$2 nom=$3 zone=$4 ancre=$5 marge=${6:-0}
  # The area at both sizes, and its corners.
  set -- $(echo "$zone" | awk -v l="$l" -v h="$h" '{ printf "%dx%d+%d+%d %dx%d+%d+%d %d %d %d %d",
    $1 * 800, $2 * 600, $3 * 800, $4 * 600, $1 * l, $2 * h, $3 * l, $4 * h, $3 * l, $4 * h, $3 * 800, $4 * 600 }')
  z800=$1 z=$2 ox=$3 oy=$4 ox8=$5 oy8=$6
  set -- $(boite "$OUT/infos_800x600.png" "$z800") $(boite "$OUT/infos_${l}x${h}.png" "$z")
  [ $# -eq 8 ] || fail "$l x $h: no $nom"
  awk -v w0="$1" -v h0="$2" -v x0="$(( $3 + ox8 ))" -v y0="$(( $4 + oy8 ))" \
      -v w="$5" -v hh="$6" -v x="$(( $7 + ox ))" -v y="$(( $8 + oy ))" \
      -v L="$l" -v H="$h" -v ancre="$ancre" -v nom="$nom" -v marge="$marge" 'BEGIN {
    k = H / 600; tol = 3 + 0.02 * hh + marge
    if (x < 1 || y < 1 || x + w > L - 1) { printf "%dx%d: %s cut by the window (%dx%d at %d,%d)\n", L, H, nom, w, hh, x, y; exit 1 }
    if (ancre == "g") { p0 = x0 * k; p = x }
    else if (ancre == "d") { p0 = (800 - x0 - w0) * k; p = L - x - w }
    else { p0 = (x0 + w0 / 2 - 400) * k; p = x + w / 2 - L / 2 }
    if (sqrt((w - w0 * k) ^ 2) > tol || sqrt((hh - h0 * k) ^ 2) > tol || sqrt((y - y0 * k) ^ 2) > tol || sqrt((p - p0) ^ 2) > tol) {
      printf "%dx%d: %s is %dx%d at %d,%d; from 800x600 expected %.0fx%.0f, %.0f from its edge, top at %.0f\n",
        L, H, nom, w, hh, x, y, w0 * k, h0 * k, p0, y0 * k; exit 1 }
  }' || fail "$nom at $l x $h"
}

verifie_infos() {  # $1 width, $2 height
  compare_partie "$1" "$2" "lap and rank" "0.5 0.22 0 0" g
  compare_partie "$1" "$2" "time and running order" "0.5 0.33 0.5 0" d
  compare_partie "$1" "$2" "minimap" "0.5 0.3 0 0.7" g
  # The gauge's lower dots leave a 4:3 window by design: only its upper part is compared. Its
  # lines are as many pixels wide at any size.
  compare_partie "$1" "$2" "gauge" "0.3 0.16 0.7 0.78" d 10
  set -- $(boite "$OUT/infos_$1x$2.png" "$(( $2 / 2 ))x$(( $2 / 2 ))+$(( $1 / 2 - $2 / 4 ))+$(( $2 / 4 ))")
  [ $# -eq 4 ] && [ $(( $1 - $2 )) -le 2 ] && [ $(( $2 - $1 )) -le 2 ] || fail "the disc is $1 x $2 pixels, not round"
}

# Starts the game (arguments $@) and waits for its main menu in $E, settled, at any size.
demarre_menu() {
  demarre_jeu "$@"
  h=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
  wait_colour_band "$win" $(( h / 5 )) $(( h / 8 )) "$RED" 90 "$E" || fail "no main menu"
  attend_stable "$win" "$E" 60 1 || fail "the menu never settled"
}
fenetre() { xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}'; }

# The settled main menu $E at $1 x $2: the box of its texts (all that is not the menus' plain
# background) keeps the 800 x 600 one's shape in window heights, centred. The first call, at
# 800 x 600, keeps its box as the reference.
verifie_menu() {
  set -- "$1" "$2" $(convert "$E" -fuzz 6% -format '%@' info: | tr 'x+' '  ')
  [ "$1x$2" = 800x600 ] && ref_menu="$3 $4 $5"
  l=$1 h=$2
  shift 2
  set -- $ref_menu "$@"
  awk -v w0="$1" -v h0="$2" -v x0="$3" -v w="$4" -v hh="$5" -v x="$6" -v L="$l" -v H="$h" 'BEGIN {
    k = H / 600; tol = 3 + 0.02 * hh
    if (x < 1 || x + w > L - 1) exit 1
    if (sqrt((w - w0 * k) ^ 2) > tol || sqrt((hh - h0 * k) ^ 2) > tol) exit 1
    if (sqrt((x + w / 2 - L / 2) ^ 2) > 3) exit 1
  }' || fail "menu at ${l}x$h: box $4x$5 at $6, from 800x600 ($1x$2 at $3) expected $(( $1 * h / 600 ))x$(( $2 * h / 600 )) centred"
}

# The main menu at a size given on the command line.
menu() {  # $1 width, $2 height
  E="$OUT/menu_$1x$2.png"
  demarre_menu "$1" "$2"
  [ "$(fenetre | cut -d+ -f1)" = "$1x$2" ] || fail "window $(fenetre), expected $1x$2"
  verifie_menu "$1" "$2"
  quitte_jeu "$E"
}

infos 800 600
menu 800 600
# 1920 x 1080's menu is checked at the third start of the screen walk below.
for taille in 1920x1080 2560x1080 1280x1024; do
  l=${taille%x*} h=${taille#*x}
  infos "$l" "$h"
  verifie_infos "$l" "$h"
  [ "$taille" = 1920x1080 ] || menu "$l" "$h"
  echo "ok: $taille"
done

rm -f config.cfg
E=$OUT/ecran.png
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
verifie_menu 1920 1080
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
