#!/bin/sh
# The installed game: `cmake --install` into a fresh prefix made read-only, a player's home of
# their own, and on an English system. A bad option is refused with the usage and writes nothing;
# the first start writes config.cfg in English into the player's config folder; a single race won
# by the autopilot writes its hiscores into the player's data folder; nothing under the prefix
# changes.
set -u
. "$(dirname "$0")/lib.sh"
OUT=$(dossier_captures)
BUILD=$(cd "$(dirname "$1")/.." && pwd)
T=$(mktemp -d)
PREFIX="$T/prefixe"
cmake --install "$BUILD" --prefix "$PREFIX" > "$T/installation.log" || { cat "$T/installation.log"; fail "install"; }
for f in bin/veltra share/veltra/objets/kan_1.3ds share/applications/org.veltra.Veltra.desktop \
    share/metainfo/org.veltra.Veltra.metainfo.xml share/icons/hicolor/256x256/apps/org.veltra.Veltra.png; do
  [ -f "$PREFIX/$f" ] || fail "$f not installed"
done
chmod -R a-w "$PREFIX"
find "$PREFIX" -printf '%p %s %T@ %m\n' | sort > "$T/avant.txt"

export HOME="$T/maison" XDG_CONFIG_HOME="$T/maison/reglages" XDG_DATA_HOME="$T/maison/donnees"
mkdir -p "$HOME"
CFG="$XDG_CONFIG_HOME/veltra/config.cfg"
HIS="$XDG_DATA_HOME/veltra/hiscores"
# The game runs from a folder of its own (log.txt goes there) through a link: it finds its data
# from where the link points.
mkdir "$T/travail" && cd "$T/travail"
ln -s "$PREFIX/bin/veltra" veltra
printf 'drivers = null\n' > alsoft.conf
export ALSOFT_CONF="$T/travail/alsoft.conf" LC_ALL= LC_MESSAGES= LANG=en_GB.UTF-8

# A bad option: the usage on the standard error, exit code 2, nothing written anywhere.
./veltra --size 800 > sortie.txt 2> erreur.txt
code=$?
[ $code -eq 2 ] || fail "bad option: exit code $code"
grep -q '^Usage: veltra' erreur.txt || fail "no usage on stderr: $(cat erreur.txt)"
[ -s sortie.txt ] && fail "bad option printed on stdout"
[ -z "$(ls -A "$HOME")" ] || fail "a bad option wrote $(find "$HOME")"
./veltra --help > aide.txt || fail "--help failed"
grep -q "$CFG" aide.txt || fail "--help does not say where config.cfg is: $(cat aide.txt)"
grep -q "$HIS/" aide.txt || fail "--help does not say where the hiscores are"
grep -q "$PREFIX/share/veltra/" aide.txt || fail "--help does not say where the data is"

# First start: the main menu, config.cfg written in the player's folder in English.
demarre_jeu
attend_menu "$win" "$OUT/premier_menu.png" || { cat log.txt; fail "no main menu at the first start"; }
[ -f "$CFG" ] || fail "no config.cfg in $XDG_CONFIG_HOME/veltra"
grep -q '^lang = en$' "$CFG" || fail "first start on an English system: $(grep lang "$CFG")"
quitte_jeu "$OUT/premier_menu.png"

# A single race of one lap, won against slow computer pilots: its hiscores in the player's folder.
printf '[system]\nlang = en\n[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\n' > "$CFG"
VELTRA_AUTOPILOT=1 demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
copie_ecran "$OUT/menu.png" "$OUT/dialogue.png"
touche "$win" Return "$OUT/dialogue.png"
press_key "$win" Return
attend_pret "$win" 120 "$OUT/pret.png" || { cat log.txt; fail "no ready prompt"; }
repond_pret "$win" "$OUT/depart.png"
attend_arrivee_joueur 1 600
quitte_course "$win" "$OUT/fini.png"
attend_fichier "$HIS/s_1_1.dat" 60 || { cat log.txt; fail "no hiscores in $HIS"; }
sleep 1.5
capture "$win" "$OUT/classement.png"
press_key "$win" space
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu"
quitte_jeu "$OUT/menu.png"
verifie_hiscores "$HIS/s_1_1.dat" 48 Human "$(temps_joueur 1)"
# The race's replay beside the hiscores, in the player's folder.
[ -s "$HIS/../replays/last.rpl" ] && [ -s "$HIS/../replays/best_1_1.rpl" ] || fail "no replay in the player's folder"
grep -q '^Level_actif = 1$' "$CFG" || fail "the circuit raced was not stored in the player's config.cfg"

find "$PREFIX" -printf '%p %s %T@ %m\n' | sort > "$T/apres.txt"
cmp -s "$T/avant.txt" "$T/apres.txt" || { diff "$T/avant.txt" "$T/apres.txt" | head; fail "the prefix changed"; }
rm -f "$OUT"/*.xwd
cd / && chmod -R u+w "$T" && rm -rf "$T"
echo PASS
