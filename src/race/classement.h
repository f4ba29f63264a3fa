// Ranking and laps: each race step recounts laps, re-sorts the six pilots along the racing line,
// records arrivals with their times, and tells every pilot its place and its neighbours.
#pragma once

#include "objects/joueur.h"

struct tTemps {
  int minutes = 0;
  int secondes = 0;
  int soixantiemes = 0;  // 0 to 59
  int total = 0;         // in sixtieths of a second
};

// Running tables, index = place - 1, rebuilt every step.
extern int tab_points_valides[NB_JOUEURS];
extern float tab_distance_cible[NB_JOUEURS];
extern CObjJoueur* tab_classement_joueurs[NB_JOUEURS];
// Arrivals in order, with their times; cleared when a race starts.
extern CObjJoueur* tab_arrive[NB_JOUEURS];
extern tTemps tab_temps[NB_JOUEURS];

// Told of every arrival when set (the game logs them; tests and tools may watch them).
extern void (*g_RapportArrivee)(int place, const CObjJoueur* pilote, const tTemps& temps);

// Race start: nobody has arrived yet.
void init_classement();
// Moves places k..4 one place down; place 6 drops out, place k is left for the caller.
void decal_classement(int k);
// One ranking step over Joueurs, after the ship-against-ship pushes.
void classement_etape();
// The player confirmed the end: every pilot still racing gets an arrival place, in running
// order, timed 10 seconds apart after the chronometer. Returns how many of the first places,
// one per pilot in Joueurs, are still empty (none unless something went wrong), for the caller
// to tell; the places of absent pilots (a time trial races one) are not counted.
int complete_classement();
