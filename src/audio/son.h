// The game's sound bank and sound system start-up: the one system, the twelve effects, the music
// stream globals, and the calls start-up and shutdown make. Includes the sound layer's API.
//
//   Init_son();                       // after the screen; result not examined
//   VOLUME_MUSIQUE = ...; VOLUME_SONS = ...;   // from config.cfg
//   Charge_sons();
//   ... game ...
//   Delete_sons();
//   if (Ferme_son() != SON_OK) return 1;
//   if (Libere_son() != SON_OK) return 1;
#pragma once

#include <cstdio>

#include "audio/son_api.h"

// Oldest layer version the game runs with.
constexpr unsigned SON_VERSION_REQUISE = 0x00040804;

extern HSysteme g_SystemeSon;  // the one sound system
extern int result;             // result of the latest sound call that keeps it; shared scratch
extern HSon sound;             // scratch handles
extern HCanal channel;         // channel of the latest one-shot sound of the race loop

extern HSon SON_BOUTON;     // "./sons/bouton.wav", 2D: menu cursor move
extern HSon SON_CLICK;      // "./sons/CLICK.WAV", 2D: menu validation
extern HSon SON_MOTEUR;     // "./sons/vaisseau.wav", 3D, looping, 30..100: ship engine
extern HSon SON_MISSILE;    // "./sons/missile.wav", 3D, looping, 30..100: flying missile
extern HSon SON_EXPLOSION;  // "./sons/explode.wav", 3D, 60..180
extern HSon SON_CHOC;       // "./sons/choc.wav", 3D, 20..50: impact
extern HSon SON_BONUS;      // "./sons/bonus.wav", 3D, 30..60: bonus picked up
extern HSon SON_BOOST;      // "./sons/boost.wav", 3D, looping, 15..40
extern HSon SON_SLIDE;      // "./sons/slide.wav", 3D, looping, 5..20
extern HSon SON_CHRONO;     // "./sons/chrono.wav", 2D: countdown beep
extern HSon SON_DEPART;     // "./sons/depart.wav", 2D: start signal
extern HSon SON_PRET;       // "./sons/pret.wav", 2D: ready signal before a race

extern HSon SON_MUSIQUE;            // music stream of the current race or screen
extern HCanal channel_SON_MUSIQUE;  // the channel playing it
extern char FICHIER_MUSIQUE[32];    // "./sons/music%i.it" of the current circuit

// True when `version` is recent enough; otherwise prints the old-version message to `sortie`.
bool verifie_version_son(unsigned version, std::FILE* sortie);

// Creates and starts the sound system: version check, driver speaker mode, buffer size on
// emulated output, init with 100 channels (stereo retry), ambient reverb. Returns `result`.
int Init_son();
// Loads the twelve effects in table order. An effect that fails stays empty (silent) and its file
// is named on `erreurs`; the others load all the same. `result` is the first failure, or SON_OK.
void Charge_sons(std::FILE* erreurs = stderr);
// Releases them in reverse order; stops at the first release that fails.
void Delete_sons();
// Shutdown: close the system, then release it. The game exits with code 1 when either fails.
int Ferme_son();
int Libere_son();
