#!/bin/sh
# The installed game: `cmake --install` into a fresh prefix made read-only, a player's home of
# their own, and on an English system. A bad option is refused with the usage and writes nothing;
# the first start writes config.cfg in English into the player's config folder; a single race won
# by the autopilot writes its hiscores and its replay into the player's data folder, and the
# replay plays from the classification and from the command line; nothing under the prefix
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

# A single race of one lap on circuit 2, won against slow computer pilots, over a hiscore file of
# that circuit cut short: the file is kept aside as .bad and the default table takes its place.
printf '[system]\nlang = en\n[Graphics]\nfull_screen = 0\nmappings = 1\n[physics]\nVitesse_max_cpu = 1.0\n[Game]\nNb_levels = 5\nNb_tours = 1\n' > "$CFG"
mkdir -p "$HIS"
head -c 100 /dev/urandom > "$HIS/s_2_1.dat"
cp "$HIS/s_2_1.dat" court.dat
RPL="$HIS/../replays"
VELTRA_AUTOPILOT=1 demarre_jeu
attend_menu "$win" "$OUT/menu.png" || fail "no main menu"
# The dialog opens on circuit 1: one step to the right.
lance_course course "$OUT/menu.png" Down Right Up
attend_arrivee_joueur 1 600
quitte_course "$win" "$OUT/fini.png"
# The race kept as a replay beside the hiscores, in the player's folder.
attend_fichier "$RPL/best_2_1.rpl" 60 || { cat log.txt; fail "the finished race was not kept in $RPL"; }
cmp -s "$RPL/last.rpl" "$RPL/best_2_1.rpl" || fail "the first race on circuit 2 is not its best"
# The classification offers it: "R : Replay" in the title's red near the bottom.
attend_bande "$win" 480 60 "$RED" 30 "$OUT/classement.png" 's > 0.002' || fail "no replay offered"

# The replay: the player arrives again, at the same time, under the red mark; C changes the
# camera, Escape goes back to the classification.
press_key "$win" r
attend_arrivee_joueur 2 600
[ "$(temps_joueur 2)" = "$(temps_joueur 1)" ] || fail "replayed to $(temps_joueur 2), raced in $(temps_joueur 1)"
capture "$win" "$OUT/replay.png"
bande "$OUT/replay.png" 185 30 "$RED" 's > 0.01' || fail "no REPLAY mark"
press_key "$win" c
capture "$win" "$OUT/replay_camera.png"
press_key "$win" Escape
attend_bande "$win" 480 60 "$RED" 30 "$OUT/classement_2.png" 's > 0.002' || fail "Escape did not leave the replay"
press_key "$win" space
attend_menu "$win" "$OUT/menu.png" || fail "not back in the menu"
quitte_jeu "$OUT/menu.png"
verifie_hiscores "$HIS/s_2_1.dat" 48 Human "$(temps_joueur 1)"
[ "$(tr -d '\0' < "$HIS/s_2_1.dat" | grep -a -o Tazul | wc -l)" -ge 7 ] || fail "the short file was not replaced by the default table"
cmp -s "$HIS/s_2_1.dat.bad" court.dat || fail "the short hiscore file was not kept aside"
grep -q 's_2_1.dat has the wrong size; kept as .*s_2_1.dat.bad' log.txt || fail "the short file was set aside without a word"
grep -q '^Level_actif = 2$' "$CFG" || fail "the circuit raced was not stored in the player's config.cfg"
# Watching records nothing.
[ "$(ls "$RPL" | tr '\n' ' ')" = "best_2_1.rpl last.rpl " ] || fail "replays: $(ls "$RPL")"

# The kept file from the command line, until Escape.
demarre_jeu --replay "$RPL/last.rpl" 800 600
attend_bande "$win" 185 30 "$RED" 60 "$OUT/ligne_commande.png" 's > 0.01' || fail "no REPLAY mark from the command line"
# Escape is taken once the countdown is over.
for essai in 1 2 3 4 5 6 7 8 9 10; do
  press_key "$win" Escape
  wait_exit $pid 6 && break
done
kill -0 $pid 2>/dev/null && { kill $pid; fail "Escape did not end the replay"; }
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
# A file of another version is refused with its reason, before any window.
printf 'VRPL\011\000' > autre.rpl
./veltra --replay autre.rpl > log.txt 2>&1 && fail "a replay of another version was played"
grep -q 'version 9, this game plays version 1' log.txt || { cat log.txt; fail "no reason given"; }

find "$PREFIX" -printf '%p %s %T@ %m\n' | sort > "$T/apres.txt"
cmp -s "$T/avant.txt" "$T/apres.txt" || { diff "$T/avant.txt" "$T/apres.txt" | head; fail "the prefix changed"; }
rm -f "$OUT"/*.xwd
cd / && chmod -R u+w "$T" && rm -rf "$T"
echo PASS
