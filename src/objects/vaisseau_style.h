// What differs between the ships of the two pilot kinds when they are drawn.
#pragma once

#include "objects/joueur.h"

struct CObjJoueur::StyleVaisseau {
  const float (*ombre)[2];   // shadow outline, a quad strip of (x, z) pairs
  int nb_ombre;
  bool coque_blanche;        // untextured objects in white instead of their material colour
  unsigned char pointe[4], base[4];              // reactor flame
  unsigned char pointe_boost[4], base_boost[4];  // the same while boosting
  float feu[3][3];           // right brake light; the left one mirrors it in x
};

// Turns about z then about x, in whole degrees, that stand a ship's up axis on the ground normal
// n (up to the truncation): the hull and its shadow lean alike.
struct Inclinaison {
  float autour_z, autour_x;
};
Inclinaison inclinaison_sol(CVector3 n);
