#!/bin/sh
# Keys and screenshots for a game started by course_valgrind.sh in folder OUT:
#   touche.sh OUT shot            screenshot into OUT/ecran.png
#   touche.sh OUT KEY [SECONDS]   holds KEY (xdotool name) for SECONDS (3 by default)
set -u
export DISPLAY="$(cat "$1/display")"
w=$(xdotool search --onlyvisible --name '^veltra$' 2>/dev/null | head -1)
[ -n "$w" ] || { echo "no game window" >&2; exit 1; }
if [ "$2" = shot ]; then
  import -window "$w" "$1/ecran.png"
else
  xdotool windowfocus "$w"
  xdotool keydown "$2"
  sleep "${3:-3}"
  xdotool keyup "$2"
fi
