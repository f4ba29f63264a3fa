// The racing line: a closed chain of points that pilots follow in order, count for laps and
// places, and that bonuses hang from. Loaded from ./objets/traj_%i.dat before each race.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "math/vector.h"

class CObjBonus;

struct Point_Traj {
  Point_Traj* precedent = nullptr;
  Point_Traj* suivant = nullptr;  // null for the last: the line closes through the list's ends
  CVector3 position{0, 0, 0};
  CVector3 normale{0, 1, 0};  // direction towards the next point
  CVector3 lateral{0, 0, 0};  // unit vector across the line
  float longueur = 0;         // distance to the next point
  int numero = 0;             // 1 for the first point of the file
  CObjBonus* bonus = nullptr;
  float dist_bonus = 0;
  float dist_bonus_suivant = 0;
};

extern Point_Traj* prem_list_ptraj;
extern Point_Traj* haut_list_ptraj;
extern Point_Traj* act_ptraj;
extern int nb_point_t;
extern float LONGUEUR_CIRCUIT;
extern float LONGUEUR_CHAMPIONNAT;

// Creates a point numbered n + 1 after the current one (at the end when the current is the last)
// and makes it current.
void creation_point_t(float x, float y, float z, int n);
void Destruct_point_t(Point_Traj* p);
void Effacement_liste_point_t();
void set_ptraj_normale(float x, float y, float z);

// The point after / before p, closing the loop through the list's ends.
Point_Traj* ptraj_suivant(Point_Traj* p);
Point_Traj* ptraj_precedent(Point_Traj* p);

// Path of the current circuit's racing-line file.
std::string chemin_trajectoire();

// Loads the line of circuit LEVEL_ACTIF, then computes lengths and side vectors and adds the lap
// length to LONGUEUR_CHAMPIONNAT. False when there is no file: one point at the origin then
// stands in. Whether the line can be raced is the race set-up's decision.
bool charge_trajectoire();
// Parses a racing-line file held in memory; only complete records are kept. False when the
// buffer does not even hold the count.
bool lit_trajectoire(const uint8_t* data, size_t taille);
// Lengths, side vectors and LONGUEUR_CIRCUIT from the positions.
void calcule_trajectoire();

// Writes the line (count, then position and direction of each point) atomically; with no points
// the file is removed. False when it could not be written.
bool sauve_trajectoire();
std::vector<uint8_t> encode_trajectoire();

// Editing operations on the current point; each does nothing on an empty list.
void insere_ptraj();
void supprime_ptraj();
void ptraj_actif_suivant();
void ptraj_actif_precedent();
// Moves the current point and re-aims it and its previous point.
void deplace_ptraj(float dx, float dy, float dz);
