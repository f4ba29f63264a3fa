# Shared helpers of the real-window tests (sourced; DISPLAY from scripts/xvfb-session). They wait
# for what a key put on screen, in a file or in the log, however slow the frames: no fixed pauses.

# The game's clock runs four times faster here: zooms, countdowns and races last as long as
# their frames take, not their usual 60 Hz ticks. A game whose sound is listened to unsets it.
export VELTRA_ACCELERE=4
# The software renderer draws in the game's own thread: two tests run side by side on two cores,
# and its drawing threads would only fight over them (a sixth less processor time, same pixels).
export LP_NUM_THREADS=0

# Copies the built game into a fresh folder GAME_DIR: each test owns its config.cfg and data.
prepare_game() {
  GAME_DIR=$(mktemp -d)
  cp "$1" "$GAME_DIR/veltra"
  for d in objets files maps sons hiscores; do
    [ -d "$(dirname "$1")/$d" ] && cp -r "$(dirname "$1")/$d" "$GAME_DIR/"
  done
  return 0
}

# Folder for the screenshots of a test: $E2E_OUT (the build folder keeps them), else the game's.
dossier_captures() {
  d=${E2E_OUT:-$GAME_DIR}
  mkdir -p "$d" && echo "$d"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Prints the id of the game's window (wider than the first, tiny one), waiting $2 s at most.
wait_window() {
  end=$(( $(date +%s) + ${2:-60} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    for w in $(xdotool search --onlyvisible --name '^veltra$' 2>/dev/null); do
      width=$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {print $2}')
      [ -n "$width" ] && [ "$width" -gt 320 ] && { echo "$w"; return 0; }
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

# Raw dump of window $1 into $2: quick to take and to compare byte for byte. Fails at once when
# the window has gone (where `import` would wait for a click to choose another one).
vidage() { timeout 30 xwd -silent -id "$1" > "$2" 2>/dev/null; }

# Screenshot of window $1 into PNG $2.
capture() {
  vidage "$1" "$2.xwd.tmp" && convert "xwd:$2.xwd.tmp" "$2"
  r=$?
  rm -f "$2.xwd.tmp"
  return $r
}

# Pixel tests for the -fx operator of ImageMagick.
RED='(r>0.7 && g<0.4 && b<0.4)'
ORANGE='(r>0.8 && g>0.35 && g<0.65 && b<0.4)'
# The half-transparent red of the race's prompts over the scene.
INVITE='(r>0.5 && r>g+0.3 && r>b+0.3)'
# The menus' clear colour (0.5, 0.55, 0.7): a menu, not a race scene.
FOND_MENU='(abs(r-0.5)<0.02 && abs(g-0.55)<0.02 && abs(b-0.7)<0.02)'
# The rows of the classification tables (20, 188, 186), not the fog's teal.
RANGEE='(r<0.25 && g>0.68 && b>0.68)'

# Share (0..1) of the pixels matching test $4 in the band of rows $2..$2+$3 of PNG $1.
colour_share() {
  convert "$1" -crop "10000x$3+0+$2" +repage -fx "$4 ? 1 : 0" -format '%[fx:mean]' info:
}

# True when the share of the pixels of colour $4 in the band of rows $2..$2+$3 of PNG $1 passes
# the awk test $5 on s.
bande() { awk -v s="$(colour_share "$1" "$2" "$3" "$4")" "BEGIN { exit !($5) }"; }

# Screenshots of window $1 into $6 until its band passes test $7 (as bande), $5 seconds at most.
attend_bande() {
  end=$(( $(date +%s) + ${5:-60} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    capture "$1" "$6" && bande "$6" "$2" "$3" "$4" "$7" && return 0
    sleep 0.3
  done
  return 1
}

# Waits for text of colour $4 in the band (arguments as attend_bande without the test).
wait_colour_band() { attend_bande "$1" "$2" "$3" "$4" "$5" "$6" 's > 0.01'; }

# Waits for a classification table over the circling camera; the screenshot stays in $2.
attend_tableau() { wait_colour_band "$1" 200 250 "$RANGEE" "${3:-60}" "$2"; }

# Answers "Pret ?" with the space bar and waits for the prompt to go (a second press if the first
# was not taken); the last screenshot stays in $2.
repond_pret() {
  for essai in 1 2; do
    if [ -n "${pid:-}" ] && ! kill -0 "$pid" 2>/dev/null; then
      cat log.txt 2>/dev/null
      fail "the game stopped at the start of the race"
    fi
    press_key "$1" space
    attend_bande "$1" 250 100 "$ORANGE" 15 "$2" 's <= 0.01' && return 0
  done
  fail "the ready prompt stayed"
}

# Waits (up to $3 seconds) for the Escape prompt of a race ("Sortie ?", "Fini ?"): the race
# stands still under it, so two dumps in a row are the same and hold its red; the screenshot
# stays in $2. (The red alone is not enough: ships and flowers of the scene have it too.)
attend_invite() {
  fin_invite=$(( $(date +%s) + ${3:-30} ))
  while [ "$(date +%s)" -lt "$fin_invite" ]; do
    if vidage "$1" "$2.a.xwd" && sleep 0.3 && vidage "$1" "$2.b.xwd" && cmp -s "$2.a.xwd" "$2.b.xwd"; then
      convert "xwd:$2.b.xwd" "$2"
      bande "$2" 270 60 "$INVITE" 's > 0.01' && { rm -f "$2".?.xwd; return 0; }
    fi
  done
  rm -f "$2".?.xwd
  return 1
}

# Escape in a race, then Enter once "Sortie ?" (or "Fini ?") is on screen; the screenshot of the
# prompt stays in $2.
quitte_course() {
  press_key "$1" Escape
  attend_invite "$1" "$2" 30 || fail "no exit prompt"
  press_key "$1" Return
}

# The same just after the start: Escape is taken once the countdown is over, so it is pressed
# again until the prompt comes.
abandonne_course() {
  for essai in 1 2 3 4 5 6; do
    kill -0 "$pid" 2>/dev/null || { cat log.txt; fail "the game stopped in the race"; }
    press_key "$1" Escape
    attend_invite "$1" "$2" 5 && { press_key "$1" Return; return 0; }
  done
  fail "no exit prompt"
}

# Number of pixels that differ between two PNGs.
pixels_differents() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# True when two screenshots show the same pixels.
meme_ecran() { [ "$(pixels_differents "$1" "$2")" = 0 ]; }

# Milliseconds now, and seconds $1 (a decimal) in milliseconds.
maintenant_ms() { echo $(( $(date +%s%N) / 1000000 )); }
en_ms() { awk -v s="$1" 'BEGIN { print int(s * 1000) }'; }

# Takes dumps of window $1 until the screen has stayed the same for $4 seconds (0.3 by default)
# and three dumps in a row (a menu whose zoom is over), up to $3 seconds; the settled screen is
# kept as PNG $2 with its dump beside it ($2.xwd).
attend_stable() {
  end=$(( $(date +%s) + ${3:-60} ))
  calme=$(en_ms "${4:-0.3}")
  vidage "$1" "$2.a.xwd"
  depuis=$(maintenant_ms)
  pareils=0
  while [ "$(date +%s)" -lt "$end" ]; do
    sleep 0.15
    vidage "$1" "$2.b.xwd" || continue
    if cmp -s "$2.a.xwd" "$2.b.xwd"; then
      pareils=$((pareils + 1))
      if [ $pareils -ge 2 ] && [ $(( $(maintenant_ms) - depuis )) -ge "$calme" ]; then
        mv "$2.b.xwd" "$2.xwd"; rm -f "$2.a.xwd"; convert "xwd:$2.xwd" "$2"; return 0
      fi
    else
      pareils=0
      depuis=$(maintenant_ms)
      mv "$2.b.xwd" "$2.a.xwd"
    fi
  done
  rm -f "$2.a.xwd" "$2.b.xwd"
  return 1
}

# Copies a settled screen (PNG $1 and its dump) to $2.
copie_ecran() {
  cp "$1" "$2"
  cp "$1.xwd" "$2.xwd"
}

# True once the dump of window $1 differs from the settled screen $2 ($2.xwd), within $3 seconds.
change_ecran() {
  fin_change=$(( $(maintenant_ms) + $(en_ms "$3") ))
  while [ "$(maintenant_ms)" -lt "$fin_change" ]; do
    vidage "$1" "$2.n.xwd" && ! cmp -s "$2.xwd" "$2.n.xwd" && { rm -f "$2.n.xwd"; return 0; }
    sleep 0.1
  done
  rm -f "$2.n.xwd"
  return 1
}

# Presses key $2 in window $1 whose settled screen is $3 (from attend_stable), then waits until
# the screen has changed and settled again; the new screen replaces $3. The key is let go as soon
# as its effect shows, else after $4 seconds (0.6); a press that changed nothing within 30 s was
# not seen (a slow frame) and is made once more. Enter and Escape open or close a dialog with a
# zoom that a starved frame can pause: after them the screen must stay still for a whole second,
# or the next key would come before the dialog reads its keys and be lost.
touche() {
  for _essai_touche in 1 2; do
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool keydown "$2"
    change_ecran "$1" "$3" "${4:-0.6}"
    _vu=$?
    xdotool keyup "$2"
    if [ $_vu -eq 0 ] || change_ecran "$1" "$3" 30; then
      case $2 in Return | Escape) _calme=1 ;; *) _calme=0.3 ;; esac
      attend_stable "$1" "$3" 60 $_calme || fail "the screen never settled after $2"
      return 0
    fi
    echo "key $2 changed nothing; pressed again" >&2
  done
  fail "key $2 changed nothing on screen"
}

# Several keys with touche (window $1, screen $2, then the keys).
touches() {
  w=$1 ecran=$2
  shift 2
  for _touche in "$@"; do touche "$w" "$_touche" "$ecran"; done
}

# Waits for the main menu (red title over the menus' clear colour, zoom over); screen in $2.
attend_menu() {
  fin_menu=$(( $(date +%s) + ${3:-90} ))
  while [ "$(date +%s)" -lt "$fin_menu" ]; do
    if wait_colour_band "$1" 60 120 "$RED" 30 "$2"; then
      h=$(identify -format %h "$2")
      bande "$2" $((h - 20)) 20 "$FOND_MENU" 's > 0.9' && attend_stable "$1" "$2" 60 1 && return 0
    fi
    sleep 0.3
  done
  return 1
}

# Starts the game from the current folder with the arguments given, output in log.txt; sets pid
# and win. A second try when the window does not come: the software OpenGL context under Xvfb
# has failed to open now and then.
demarre_jeu() {
  for _essai_jeu in 1 2; do
    ./veltra "$@" > log.txt 2>&1 &
    pid=$!
    win=$(wait_window $pid 60) && return 0
    xwininfo -root -tree | grep -E '"(veltra|xmessage)"' >&2
    kill $pid 2>/dev/null
    for x in $(pgrep -P $pid xmessage); do kill "$x"; done
    wait $pid 2>/dev/null
    [ $_essai_jeu -eq 2 ] && { cat log.txt; fail "no window"; }
    echo "no window at the first try; trying again" >&2
  done
}

# "Sortie" of the main menu whose settled screen is $1 (focus on "Jouer"), then an orderly end.
quitte_jeu() {
  touches "$win" "$1" Down Down Down
  press_key "$win" Return
  wait_exit $pid 60 || { kill $pid; fail "did not exit"; }
  [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
}

# From the main menu whose settled screen is $2 to the start of a race: the dialog of the stored
# game type, keys $3... there, "Jouer", then "Pret ?" answered; screenshots in $OUT/$1_*.png.
lance_course() {
  n=$1
  copie_ecran "$2" "$OUT/${n}_dialogue.png"
  shift 2
  touches "$win" "$OUT/${n}_dialogue.png" Return "$@"
  press_key "$win" Return
  attend_pret "$win" 120 "$OUT/${n}_pret.png" || { cat log.txt; fail "no ready prompt ($n)"; }
  repond_pret "$win" "$OUT/${n}_depart.png"
}

# The value of key $1 in config.cfg (${CFG:-config.cfg}); attendu checks key=value pairs.
valeur() { awk -F' = ' -v k="$1" '$1 == k {print $2}' "${CFG:-config.cfg}"; }
attendu() {
  for kv in "$@"; do
    [ "$(valeur "${kv%=*}")" = "${kv#*=}" ] || fail "${kv%=*} is '$(valeur "${kv%=*}")', expected ${kv#*=}"
  done
}

# Waits (up to $2 seconds) until log.txt holds $1 arrivals of the player; fails if the game ends.
attend_arrivee_joueur() {
  end=$(( $(date +%s) + ${2:-600} ))
  until [ "$(grep -c 'arrival .*(player)' log.txt)" -ge "$1" ]; do
    [ "$(date +%s)" -lt "$end" ] || { cat log.txt; fail "the player never arrived"; }
    kill -0 $pid 2>/dev/null || { cat log.txt; fail "the game stopped during the race"; }
    sleep 0.5
  done
}

# Waits (up to $2 seconds) for file $1 to exist.
attend_fichier() {
  end=$(( $(date +%s) + ${2:-60} ))
  until [ -e "$1" ]; do
    [ "$(date +%s)" -lt "$end" ] || return 1
    kill -0 $pid 2>/dev/null || return 1
    sleep 0.2
  done
}

# Time "mm:ss:ss" of the $1-th arrival of the player in log.txt, in sixtieths of a second.
temps_joueur() {
  grep 'arrival .*(player)' log.txt | sed -n "$1p" |
    sed 's/.*(player) \([0-9]*\):\([0-9]*\):\([0-9]*\).*/\1 \2 \3/' | awk '{print $1 * 3600 + $2 * 60 + $3}'
}

# Checks hiscore file $1 (10 records of $2 bytes, the total time last) after a race in which the
# player ($3: "Human") arrived in $4 sixtieths: the player's row is there exactly when that time
# beats the tenth row's (a time equal to a row's goes below it), and the rows are in order.
verifie_hiscores() {
  [ "$(stat -c %s "$1")" = $(( 10 * $2 )) ] || fail "$1 is not $(( 10 * $2 )) bytes"
  avant=-1
  for i in 0 1 2 3 4 5 6 7 8 9; do
    t=$(od -An -t d4 -j $(( i * $2 + $2 - 4 )) -N 4 "$1" | tr -d ' ')
    [ "$t" -ge "$avant" ] || fail "$1: row $((i + 1)) ($t) is faster than the row above it ($avant)"
    avant=$t
  done
  if grep -q "$3" "$1"; then
    [ "$4" -lt "$avant" ] || fail "$1: the player entered with $4, not below the tenth row $avant"
  else
    [ "$4" -ge "$avant" ] || fail "$1: the player's $4 beats the tenth row $avant but is missing"
  fi
}

# Waits (up to $2 seconds) for the prompt "Pret ?" / "Ready ?" of window $1: one short orange
# line in the middle of the menus' clear colour and no other text on screen (the loading messages
# are wider, a closing dialog has more lines). Only then is a key taken; screenshot in $3.
attend_pret() {
  end=$(( $(date +%s) + ${2:-120} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    if capture "$1" "$3"; then
      # Every fourth pixel is enough for strokes of text and keeps this quick on a busy machine.
      set -- "$1" "$2" "$3" $(convert "$3" -sample 200x150! -fx "$ORANGE ? 1 : 0" -write mpr:o +delete \
        \( mpr:o -format '%[fx:mean*w*h] ' -write info: \) \
        \( mpr:o -crop 80x25+60+62 -format '%[fx:mean*w*h] ' -write info: \) null: 2>/dev/null)
      h=$(identify -format %h "$3")
      if [ $# -ge 5 ] && bande "$3" $((h - 20)) 20 "$FOND_MENU" 's > 0.9' &&
          awk -v tout="$4" -v boite="$5" 'BEGIN { exit !(boite > 20 && tout - boite < 1) }'; then
        return 0
      fi
      set -- "$1" "$2" "$3"
    fi
    sleep 0.3
  done
  return 1
}

# Waits (up to $2 seconds) for the message box of game $1 (the graphics library shows its
# messages with xmessage under X), writes its text to message.txt, and closes it with its OK
# button. Fails when the game ends or the time runs out first.
ferme_message() {
  end=$(( $(date +%s) + ${2:-60} ))
  while [ "$(date +%s)" -lt "$end" ]; do
    x=$(pgrep -P "$1" -x xmessage | head -n 1)
    box=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n 1)
    if [ -n "$x" ] && [ -n "$box" ]; then
      # The text follows the six options of its command line.
      tr '\0' '\n' < "/proc/$x/cmdline" | awk 'NR > 6' > message.txt
      h=$(xwininfo -id "$box" | awk '/Height:/ {print $2}')
      xdotool mousemove --window "$box" 19 $((h - 15)) click 1
      return 0
    fi
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
