// config.cfg: the first-start writer and the readers and writers of the settings it holds.
// Every reader passes its default, so a missing file, section or key never fails.
#pragma once

#include <functional>
#include <string>

#include "common/chemins.h"  // fichier_config(): beside a portable program, else in the player's folder
#include "common/globals.h"

// Allegro reads configuration text as UTF-8 by default, and its parser can spin forever on a file
// damaged inside a multi-byte sequence. Every text of the game is plain ASCII, so Allegro is told
// to take strings byte for byte; check_config does it first.
void textes_octet_par_octet();

// Choices of the command line for this run only (see ligne_commande.h): the screen mode (-1 as
// configured, 0 windowed, 1 full screen) and the language ("fr", "en"; empty: as configured).
extern int FORCE_PLEIN_ECRAN;
extern char LANGUE_IMPOSEE[TAILLE_NOM];

// Language of a first start from the environment: the first of LC_ALL, LC_MESSAGES and LANG that
// is set decides, "fr" when it starts with "fr", "en" otherwise (and when none is set).
const char* langue_du_systeme(const std::function<std::string(const char*)>& variable);

// When no config.cfg exists, writes the first-start values into it (windowed 800 x 600, five
// circuits, textures on, the system's language, the E/D/K/L/Space keys), making its folder if
// needed. Writes nothing otherwise.
void check_config();

// Screen size and mode: forced by the command line, or from the configuration; then RESOL and
// PROFONDEUR_CHAMP_CAM. A mode given on the command line wins over both.
void lit_config_ecran();
// RESOL for a screen size: the index of a listed size, RESOL_USER for any other.
int resol_de_taille(int largeur, int hauteur);
// After a refused full-screen start, so that the next start uses a window.
void ecrit_config_ecran_repli();

void lit_config_volumes();
void lit_config_touches();
// Configured control type: 0 keyboard, anything else joystick.
int lit_config_type_controle();
// Language (the command line's, else the configured one) and game settings.
void init_globales();
// Name of CPU pilot k (1..5) and of the player, cut to 31 characters.
void lit_nom_cpu(int k, char (&dst)[TAILLE_NOM]);
void lit_nom_joueur();
// Shutdown: the game type chosen in the main menu is in force at the next start.
void ecrit_type_jeu();
