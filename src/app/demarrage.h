// The program's life: command line, start-up sequence, the menus, orderly shutdown.
#pragma once

#include <string>

#include "common/chemins.h"
#include "common/replay.h"

// The folders of this run: the data beside the program, in DIR of --data (`donnees_imposees`) or
// in the installed share/veltra; written files beside a portable program, else in the player's
// XDG folders. Only looks: nothing is made or written.
tDossiers dossiers_du_jeu(const std::string& donnees_imposees);
// Puts those folders in force and works from the data folder, so that the game finds its data
// wherever it is started from. False when the data folder cannot be entered.
bool entre_dans_dossiers(const tDossiers& d);

// The screen and language choices of a command line already checked (see ligne_commande.h).
void lit_ligne_commande(int argc, char** argv);

// The start-up steps after the screen: sound system and bank, keys and controller, globals,
// degree tables, the font and the 3D text. False when the font file is missing (after its message
// box): the game cannot go on.
bool demarre_sons_controles_police();

// Start-up, main loop, shutdown. Returns the process exit code. With `replay`, the game shows
// that race instead of its menus, then stops.
int lance_jeu(int argc, char** argv, const tReplay* replay = nullptr);

// The shutdown sequence after the menus: lists, models, pilots, font, materials, controller,
// sounds, the sound system and the screen. False when the sound system would not close (the
// screen is then left to the process's exit).
bool arrete_jeu();
