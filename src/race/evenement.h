// A race's set-up and teardown: load the circuit and its racing line, put the pilots on the
// grid, and free the circuit again on every path. What went wrong is returned, for the caller
// to tell the player.
#pragma once

#include <cstdint>

#include "objects/joueur.h"
#include "world/materiaux.h"

// Puts a pilot on grid place 0..5 (x 20..120 along the start straight, z alternating +-7).
void SetPositionDepart(int place, CObjJoueur* pilote);

// A race has at least one lap, also in the hiscore file names.
void borne_tours();

// A race needs a racing line of at least this many points.
constexpr int POINTS_TRAJ_MIN = 2;

// What charge_course found, in the order the player is told of it.
struct tChargeCourse {
  bool pret = false;                  // the race can be run
  bool deco_par_defaut = false;       // no decorations file: default decorations stand in,
  int decos_par_defaut = 0;           // this many
  tRapports3DS modeles;               // what to tell of the circuit's models
  bool modele_absent = false;         // a model file is missing: nothing is left loaded
  bool trajectoire_courte = false;    // fewer than POINTS_TRAJ_MIN points: nothing is left loaded
  bool effetSons_par_defaut = false;  // no sound environment file: default points stand in,
  int effetSons_crees = 0;            // this many
};

// Loads circuit LEVEL_ACTIF with its racing line, passing the loading messages to `annonce` (none
// when null); the pilots aim at the first point; the music file is named. Laps are at least 1.
// The race is the one of `graine` (seme_course), from the bonuses' places on. A missing model or
// a racing line too short to race leaves everything freed again, and `pret` false.
tChargeCourse charge_course(void (*annonce)(const char*), uint32_t graine);
// Grid in the order of `ordre` (Joueurs for a single race).
void place_grille(CObjJoueur* const* ordre);
// Frees everything charge_course made.
void libere_course();
