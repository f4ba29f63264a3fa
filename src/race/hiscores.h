// Hiscores: the ten best single races per circuit and lap count, the ten best championships per
// championship and lap count, the championship account of each pilot, and the on-screen tables.
// Files are read from memory buffers (complete records only) and replaced atomically.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/globals.h"

constexpr int NB_RANGS = 10;

struct tCompteChamp {
  int points = 0, minutes = 0, secondes = 0, soixantiemes = 0, total = 0;
};

extern tCompteChamp LISTE_CHAMP[6];
// On-screen table: single race rows are (minutes, seconds, sixtieths, total, -); standings rows
// are (points, minutes, seconds, sixtieths, total).
extern char CLASSEMENT_NOM[NB_RANGS][TAILLE_NOM];
extern int CLASSEMENTS_POINTS[NB_RANGS][5];
extern unsigned char CLASSEMENT_LITE[NB_RANGS];
// Championship hiscores: (minutes, seconds, sixtieths, points, total), and their own highlight
// flags, so that the last race's standings keep theirs while both tables are shown.
extern char CLASSEMENT_NOM_CHAMP[NB_RANGS][TAILLE_NOM];
extern int CLASSEMENTS_POINTS_CHAMP[NB_RANGS][5];
extern unsigned char CLASSEMENT_LITE_CHAMP[NB_RANGS];

// Default time of hiscore row `rang` for a race of `longueur` units.
void convert_temp(int rang, float longueur, int* minutes, int* secondes, int* soixantiemes);
void DecalGeneral(int rang);
void DecalGeneralChamp(int rang);

std::string chemin_hiscores_simple();  // hiscores/s_<circuit>_<laps>.dat in the player's folder
std::string chemin_hiscores_champ();   // hiscores/c_<championship>_<laps>.dat in the player's folder

// Single race: loads the table (default rows for `longueur` when there is no file), merges the
// first three arrivals, and writes it back. False when the file could not be written. A file of
// the wrong size is kept beside it as <file>.bad (replacing an older one) before the default
// table takes its place; when it cannot be kept aside it is left untouched and nothing is saved.
bool maj_hiscores_simple(float longueur);
// The same on another file of that layout (the time trial's records).
bool maj_hiscores_simple_dans(const std::string& chemin, float longueur);
// The parts of it, for tests and tools.
void hiscores_simple_defaut(float longueur);
void lit_hiscores_simple(const uint8_t* data, size_t taille);
std::vector<uint8_t> encode_hiscores_simple();
void fusionne_arrivees_simple();

// Championship: points and times of one race into LISTE_CHAMP, and the standings on screen.
void score_course_championnat();
void classement_championnat();
// Final hiscores from the standings on screen, flagged in CLASSEMENT_LITE_CHAMP; the standings
// and their flags are left as they are. False when the file could not be written (a file of the
// wrong size is handled as for a single race).
bool maj_hiscores_championnat(float longueur_championnat);
void hiscores_champ_defaut(float longueur);
void lit_hiscores_champ(const uint8_t* data, size_t taille);
std::vector<uint8_t> encode_hiscores_champ();
void fusionne_classement_champ();

// Creates the hiscores folder (beside a portable program, else in the player's folder) when missing.
void assure_dossier_hiscores();
