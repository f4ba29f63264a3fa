// The program's life: command line, start-up sequence, the menus, orderly shutdown.
#pragma once

// Changes to the folder holding the program, so that its data and config.cfg are found beside it
// wherever it is started from. False when that folder cannot be found or entered.
bool va_dossier_programme();

// Exactly two arguments after the program name force a window of that size (text that is no
// number gives 0); any other count is ignored.
void lit_ligne_commande(int argc, char** argv);

// The start-up steps after the screen: sound system and bank, keys and controller, globals,
// degree tables, the font and the 3D text. False when the font file is missing (after its message
// box): the game cannot go on.
bool demarre_sons_controles_police();

// Start-up, main loop, shutdown. Returns the process exit code.
int lance_jeu(int argc, char** argv);

// The shutdown sequence after the menus: lists, models, pilots, font, materials, controller,
// sounds, the sound system and the screen. False when the sound system would not close (the
// screen is then left to the process's exit).
bool arrete_jeu();
