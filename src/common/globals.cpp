// Definitions and initial values of the shared game state.
#include "common/globals.h"

#include <cstring>

std::atomic<int> fps_count{0};
std::atomic<int> game_time{0};
int ACCELERATION = 1;
std::atomic<int> game_CHRONO{0};

int CHRONO_MINUTES = 0;
int CHRONO_SECONDES = 0;
int CHRONO_MILISECONDES = 0;
int fps = 0;
int nb_fps = 0;

int FULL_SCREEN = 0;
int SCREEN_WIDTH = 800;
int SCREEN_HEIGHT = 600;
int RESOL = 1;
int SUPER_SCREEN_WIDTH = 0;
int SUPER_SCREEN_HEIGHT = 0;
int FORCE_SCREEN = 0;
float PROFONDEUR_CHAMP_CAM = 400.0f;

float VOLUME_MUSIQUE = 0.5f;
float VOLUME_SONS = 0.5f;
float VOLUME_MAX = 1.0f;

int g_MaxTriangles = 100;
int g_MaxSubdivisions = 5;
unsigned char g_RenderMode = 1;
unsigned char g_bLighting = 1;
float MenuFogColor[4] = {0.16f, 0.60f, 0.59f, 1.0f};
float InGameFogColor[4] = {0.16f, 0.60f, 0.59f, 1.0f};

int NB_TYPE_JEUX = 2;
int NB_TYPE_RESOL = RESOL_BUREAU;
int NB_TYPE_SCREEN = 1;
int NB_LANGUES = 1;
int CONTROLS_MAX = 1;

int BOUTON_HAUT = 84;
int BOUTON_BAS = 85;
int BOUTON_GAUCHE = 82;
int BOUTON_DROITE = 83;
int BOUTON_VALIDE = 67;
int BOUTON_SPE = 80;
int BOUTON_SPE_1 = 81;
int BOUTON_JS_SHOOT = 0;
int BOUTON_JS_SPE = 1;
int BOUTON_JS_SPE_1 = 2;
int CONTROL_ACTIF = 0;
unsigned char JOYSTICK_ACTIF = 0;

float VITESSE_MAX_CPU = 2.4f;
int NOMBRE_TOURS = 2;
int NB_LIMIT_TOURS = 10;
int NB_LEVELS = 0;
int LEVEL_ACTIF = 1;
int TYPE_JEU = 0;
int NB_CHAMPIONNAT = 1;
int CHAMPIONNAT_ACTIF = 1;

char NOM_JOUEUR[TAILLE_NOM] = {0};

char LANG[TAILLE_NOM] = "en";
int LANGUAGE = 1;
int NUM_LANGUE = 1;

const char* tab_type_jeux[] = {"Single race", "Championship", "Time trial", "Stop"};
const char* tab_type_jeux_fr[] = {"Course simple", "Championat", "Contre la montre", "Stop"};
// The first five keep the indices older config.cfg files were written with; the wide sizes follow.
// The window size of a listed entry is read from its label (taille_de_resol).
const char* tab_resol[] = {"640x480",  "800x600",  "1024x768",  "1280x1024", "User",    "1280x720",
                           "1366x768", "1600x900", "1920x1080", "2560x1440", "Desktop", "Stop"};
const char* tab_type_screen[] = {"Windowed", "Full screen", "Stop"};
const char* tab_type_screen_fr[] = {"Fenetre", "Plein ecran", "Stop"};
const char* tab_langues[] = {"Francais", "English", "Stop"};

void copie_nom(char (&dst)[TAILLE_NOM], const char* src) {
  std::memset(dst, 0, sizeof dst);
  if (src) std::strncpy(dst, src, TAILLE_NOM - 1);
}
