// Shared game state: settings read from config.cfg, screen state, language, tick counters and the
// race chronometer. Every module reads these; the start-up (app/) fills them.
#pragma once

#include <atomic>

// 60 Hz tick counters. The timer callbacks only add 1; the main thread reads and sets them back to 0.
extern std::atomic<int> fps_count;
extern std::atomic<int> game_time;
// VELTRA_ACCELERE: the clock's speed-up (1 normally). game_time then ticks this many times faster,
// and a race draws one step in this many.
extern int ACCELERATION;
// The race's ticks, counted by the race itself: 2 per race step (30 steps a second), so the
// countdown and the race times follow the race and not the frame rate.
extern std::atomic<int> game_CHRONO;

// Race chronometer. CHRONO_MILISECONDES counts sixtieths of a second (0 to 59).
extern int CHRONO_MINUTES;
extern int CHRONO_SECONDES;
extern int CHRONO_MILISECONDES;
extern int fps;     // frames drawn in the current second
extern int nb_fps;  // frames drawn in the last full second

// Screen.
extern int FULL_SCREEN;
extern int SCREEN_WIDTH;
extern int SCREEN_HEIGHT;
extern int RESOL;  // index into tab_resol: RESOL_USER for a size not in the list
// "User" (the size written in config.cfg) and "Desktop" (a borderless window covering the desktop).
constexpr int RESOL_USER = 4;
constexpr int RESOL_BUREAU = 10;
extern int SUPER_SCREEN_WIDTH;
extern int SUPER_SCREEN_HEIGHT;
extern int FORCE_SCREEN;
extern float PROFONDEUR_CHAMP_CAM;  // far plane and end of the fog

// Sound volumes, 0 to VOLUME_MAX.
extern float VOLUME_MUSIQUE;
extern float VOLUME_SONS;
extern float VOLUME_MAX;

// Octree and drawing switches.
extern int g_MaxTriangles;
extern int g_MaxSubdivisions;
extern unsigned char g_RenderMode;  // 1 filled polygons, 0 wire frame
extern unsigned char g_bLighting;
extern float MenuFogColor[4];
extern float InGameFogColor[4];

// Highest valid index of each label table (the menus cycle through 0..NB_x).
extern int NB_TYPE_JEUX;
extern int NB_TYPE_RESOL;
extern int NB_TYPE_SCREEN;
extern int NB_LANGUES;
extern int CONTROLS_MAX;

// Keyboard scancodes and joystick button numbers of the player's commands.
extern int BOUTON_HAUT;
extern int BOUTON_BAS;
extern int BOUTON_GAUCHE;
extern int BOUTON_DROITE;
extern int BOUTON_VALIDE;
extern int BOUTON_SPE;
extern int BOUTON_SPE_1;
extern int BOUTON_JS_SHOOT;
extern int BOUTON_JS_SPE;
extern int BOUTON_JS_SPE_1;
extern int CONTROL_ACTIF;             // 0 keyboard, 1 joystick
extern unsigned char JOYSTICK_ACTIF;  // 1 when the joystick controller is in use

// Game settings.
extern float VITESSE_MAX_CPU;
extern int NOMBRE_TOURS;
extern int NB_LIMIT_TOURS;
extern int NB_LEVELS;
extern int LEVEL_ACTIF;  // 1-based circuit number
extern int TYPE_JEU;     // 0 single race, 1 championship, 2 time trial
extern int NB_CHAMPIONNAT;
extern int CHAMPIONNAT_ACTIF;

// Pilot names are held in 32-byte buffers: at most 31 characters and a terminator.
constexpr int TAILLE_NOM = 32;
extern char NOM_JOUEUR[TAILLE_NOM];

// Language: LANG is the configured text; LANGUAGE = NUM_LANGUE = 0 for French, 1 for English.
extern char LANG[TAILLE_NOM];
extern int LANGUAGE;
extern int NUM_LANGUE;

// Label tables, each closed by "Stop".
extern const char* tab_type_jeux[];
extern const char* tab_type_jeux_fr[];
extern const char* tab_resol[];
extern const char* tab_type_screen[];
extern const char* tab_type_screen_fr[];
extern const char* tab_langues[];

// Picks the French text when LANGUAGE is 0, the English one otherwise.
inline const char* texte_langue(const char* fr, const char* en) { return LANGUAGE == 0 ? fr : en; }

// Copies a name into a 32-byte buffer: zeroed first, cut to 31 characters, always terminated.
void copie_nom(char (&dst)[TAILLE_NOM], const char* src);
