# Shared helpers of the real-window tests (sourced). Needs DISPLAY (see scripts/xvfb-session).

# Copies the built game into a fresh folder so each test owns its config.cfg and data.
# Sets GAME_DIR.
prepare_game() {
  GAME_DIR=$(mktemp -d)
  cp "$1" "$GAME_DIR/veltra"
  if [ -d "$(dirname "$1")/objets" ]; then
    for d in objets files maps sons hiscores; do
      [ -d "$(dirname "$1")/$d" ] && cp -r "$(dirname "$1")/$d" "$GAME_DIR/"
    done
  fi
}

# Folder for the screenshots and captures of a test: $E2E_OUT (the build folder keeps them as
# artefacts), else the game folder.
dossier_captures() {
  d=${E2E_OUT:-$GAME_DIR}
  mkdir -p "$d" && echo "$d"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits (up to $2 seconds) for a visible window named veltra of at least 640 pixels wide;
# prints its id.
wait_window() {
  end=$(( $(date +%s) + ${2:-60} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    for w in $(xdotool search --onlyvisible --name '^veltra$' 2>/dev/null); do
      width=$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {print $2}')
      if [ -n "$width" ] && [ "$width" -ge 320 ] && [ "$width" != 320 ]; then
        echo "$w"
        return 0
      fi
    done
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

# Holds a key ($3 seconds, 0.6 by default) long enough for a game that polls its keys once a
# frame to see it, even when a loaded machine draws only a few frames a second.
press_key() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool keydown "$2"
  sleep "${3:-0.6}"
  xdotool keyup "$2"
}

# Waits (up to $2 seconds) for process $1 to end; sets EXIT_CODE.
wait_exit() {
  end=$(( $(date +%s) + ${2:-60} ))
  while kill -0 "$1" 2>/dev/null; do
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.2
  done
  wait "$1"
  EXIT_CODE=$?
  return 0
}

# Prints the colour of a pixel of a PNG as "r,g,b" (0..255).
pixel_rgb() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# Pixel tests for the -fx operator of ImageMagick.
RED='(r>0.7 && g<0.4 && b<0.4)'
ORANGE='(r>0.8 && g>0.35 && g<0.65 && b<0.4)'
# The half-transparent red of the race's prompts over the scene.
INVITE='(r>0.5 && r>g+0.3 && r>b+0.3)'

# Share (0..1) of the pixels matching test $4 in the band of rows $2..$2+$3 of PNG $1.
colour_share() {
  convert "$1" -crop "10000x$3+0+$2" +repage -fx "$4 ? 1 : 0" -format '%[fx:mean]' info:
}

# Takes screenshots of window $1 until the share of pixels of colour $4 in the band of rows
# $2..$2+$3 passes the awk test $7 on s, or up to $5 seconds; the last screenshot stays in $6.
attend_bande() {
  end=$(( $(date +%s) + ${5:-60} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    if import -window "$1" "$6" 2>/dev/null; then
      share=$(colour_share "$6" "$2" "$3" "$4")
      awk -v s="$share" "BEGIN { exit !($7) }" && return 0
    fi
    sleep 0.3
  done
  return 1
}

# Waits for text of colour $4 in the band (arguments as attend_bande without the test).
wait_colour_band() {
  attend_bande "$1" "$2" "$3" "$4" "$5" "$6" 's > 0.01'
}

# Waits for the band to hold no more text of colour $4.
wait_band_clears() {
  attend_bande "$1" "$2" "$3" "$4" "$5" "$6" 's <= 0.01'
}

# Answers "Pret ?" with the space bar and waits for the prompt to go (a second press if the first
# was not taken); the last screenshot stays in $2.
repond_pret() {
  for essai in 1 2; do
    press_key "$1" space
    wait_band_clears "$1" 250 100 "$ORANGE" 15 "$2" && return 0
  done
  fail "the ready prompt stayed"
}

# Escape in a race, then Enter once "Sortie ?" (or "Fini ?") is on screen; the screenshot of the
# prompt stays in $2.
quitte_course() {
  press_key "$1" Escape
  wait_colour_band "$1" 270 60 "$INVITE" 30 "$2" || fail "no exit prompt"
  press_key "$1" Return
}

# Number of pixels that differ between two PNGs.
pixels_differents() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}
