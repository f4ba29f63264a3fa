// Reading and writing the keys of config.cfg through Allegro's configuration functions.
#include "app/config.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/chemins.h"

#include "common/vue.h"
#include "world/materiaux.h"

int FORCE_PLEIN_ECRAN = -1;
char LANGUE_IMPOSEE[TAILLE_NOM] = "";

void textes_octet_par_octet() { set_uformat(U_ASCII); }

const char* langue_du_systeme(const std::function<std::string(const char*)>& variable) {
  for (const char* nom : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string v = variable(nom);
    if (!v.empty()) return v.compare(0, 2, "fr") == 0 ? "fr" : "en";
  }
  return "en";
}

void check_config() {
  textes_octet_par_octet();
  if (exists(fichier_config())) return;
  // Written into config.cfg itself, so a first start runs windowed with five circuits and textures,
  // in the language of the player's system.
  const std::string fichier = fichier_config();
  const size_t barre = fichier.rfind('/');
  if (barre != std::string::npos && barre > 0 && !cree_dossier(fichier.substr(0, barre)))
    std::fprintf(stderr, "veltra: settings not saved, the folder of %s cannot be made\n", fichier.c_str());
  push_config_state();
  set_config_file(fichier_config());
  set_config_string("system", "keyboard", "FR");
  set_config_string("system", "lang", langue_du_systeme(systeme_reel().variable));
  set_config_int("Graphics", "mappings", 1);
  set_config_float("Graphics", "Prof_champ", 400.0f);
  set_config_int("Graphics", "screen_width", 800);
  set_config_int("Graphics", "screen_height", 600);
  RESOL = 1;
  set_config_int("Graphics", "full_screen", 0);
  set_config_float("physics", "glissement", 0.5f);
  set_config_float("physics", "Vitesse_max_cpu", 2.5f);
  set_config_int("Game", "Nb_levels", 5);
  set_config_int("Game", "Nb_tours", 5);
  set_config_string("Game", "Nom_CPU_1", "Orvane");
  set_config_string("Game", "Nom_CPU_2", "Tilso");
  set_config_string("Game", "Nom_CPU_3", "Mufrat");
  set_config_string("Game", "Nom_CPU_4", "Peluk");
  set_config_string("Game", "Nom_CPU_5", "Ravin");
  set_config_string("Game", "Nom_Player", "Human");
  set_config_int("Control_kb", "Haut", KEY_E);
  set_config_int("Control_kb", "Bas", KEY_D);
  set_config_int("Control_kb", "Droite", KEY_L);
  set_config_int("Control_kb", "Gauche", KEY_K);
  set_config_int("Control_kb", "Spe", KEY_E);
  set_config_int("Control_kb", "Valide", KEY_SPACE);
  set_config_int("Control_kb", "Spe_1", KEY_D);
  set_config_int("Control_type", "Type", 0);
  set_config_float("Sons", "Volume_music", 0.5f);
  set_config_float("Sons", "Volume_sons", 0.5f);
  flush_config_file();
  pop_config_state();
}

int resol_de_taille(int largeur, int hauteur) {
  for (int i = 0; i < RESOL_BUREAU; i++) {
    int l, h;
    if (taille_de_resol(i, &l, &h) && l == largeur && h == hauteur) return i;
  }
  return RESOL_USER;
}

void lit_config_ecran() {
  if (FORCE_SCREEN == 1) {
    FULL_SCREEN = 0;
    SCREEN_WIDTH = SUPER_SCREEN_WIDTH;
    SCREEN_HEIGHT = SUPER_SCREEN_HEIGHT;
  } else {
    FULL_SCREEN = get_config_int("Graphics", "full_screen", 1);
    SCREEN_WIDTH = get_config_int("Graphics", "screen_width", 800);
    SCREEN_HEIGHT = get_config_int("Graphics", "screen_height", 600);
  }
  if (FORCE_PLEIN_ECRAN >= 0) FULL_SCREEN = FORCE_PLEIN_ECRAN;
  RESOL = resol_de_taille(SCREEN_WIDTH, SCREEN_HEIGHT);
  // "Desktop" takes the desktop's size at each start; where it cannot be known, the written size
  // is opened as an ordinary window.
  if (FORCE_SCREEN != 1 && get_config_int("Graphics", "desktop", 0) == 1 &&
      taille_bureau(&SCREEN_WIDTH, &SCREEN_HEIGHT)) {
    RESOL = RESOL_BUREAU;
  }
  PROFONDEUR_CHAMP_CAM = get_config_float("Graphics", "Prof_champ", 400.0f);
}

void ecrit_config_ecran_repli() {
  set_config_int("Graphics", "screen_width", 800);
  set_config_int("Graphics", "screen_height", 600);
  set_config_int("Graphics", "full_screen", 0);
}

void lit_config_volumes() {
  VOLUME_MUSIQUE = get_config_float("Sons", "Volume_music", 0.5f);
  VOLUME_SONS = get_config_float("Sons", "Volume_sons", 0.5f);
}

void lit_config_touches() {
  BOUTON_HAUT = get_config_int("Control_kb", "Haut", KEY_UP);
  BOUTON_BAS = get_config_int("Control_kb", "Bas", KEY_DOWN);
  BOUTON_DROITE = get_config_int("Control_kb", "Droite", KEY_RIGHT);
  BOUTON_GAUCHE = get_config_int("Control_kb", "Gauche", KEY_LEFT);
  BOUTON_VALIDE = get_config_int("Control_kb", "Valide", KEY_ENTER);
  BOUTON_SPE = get_config_int("Control_kb", "Spe", BOUTON_SPE);
  BOUTON_SPE_1 = get_config_int("Control_kb", "Spe_1", BOUTON_SPE_1);
  BOUTON_JS_SHOOT = get_config_int("Control_js", "shoot", BOUTON_JS_SHOOT);
  BOUTON_JS_SPE = get_config_int("Control_js", "spe", BOUTON_JS_SPE);
  BOUTON_JS_SPE_1 = get_config_int("Control_js", "spe_1", BOUTON_JS_SPE_1);
}

int lit_config_type_controle() { return get_config_int("Control_type", "Type", 0); }

void init_globales() {
  clear_g_Materiaux();
  copie_nom(LANG, LANGUE_IMPOSEE[0] ? LANGUE_IMPOSEE : get_config_string("system", "lang", "en"));
  LANGUAGE = NUM_LANGUE = (std::strcmp(LANG, "fr") == 0) ? 0 : 1;
  NB_LEVELS = get_config_int("Game", "Nb_levels", 0);
  LEVEL_ACTIF = get_config_int("Game", "Level_actif", 1);
  TYPE_JEU = get_config_int("Game", "type_jeu", 0);
  if (TYPE_JEU < 0 || TYPE_JEU > NB_TYPE_JEUX) TYPE_JEU = 0;
  NOMBRE_TOURS = get_config_int("Game", "Nb_tours", 5);
  VITESSE_MAX_CPU = get_config_float("physics", "Vitesse_max_cpu", 2.5f);
  NB_CHAMPIONNAT = get_config_int("Game", "Nb_championnat", 1);
  CHAMPIONNAT_ACTIF = get_config_int("Game", "Championnat_act", 1);
}

void lit_nom_cpu(int k, char (&dst)[TAILLE_NOM]) {
  static const char* defauts[5] = {"Orvane", "Tilso", "Mufrat", "Peluk", "Ravin"};
  if (k < 1 || k > 5) {
    copie_nom(dst, "");
    return;
  }
  char cle[16];
  std::snprintf(cle, sizeof cle, "Nom_CPU_%d", k);
  copie_nom(dst, get_config_string("Game", cle, defauts[k - 1]));
}

void lit_nom_joueur() { copie_nom(NOM_JOUEUR, get_config_string("Game", "Nom_Player", "Human")); }

void ecrit_type_jeu() { set_config_int("Game", "type_jeu", TYPE_JEU); }
