// How a drawn ship leans on sloping ground.
#pragma once

#include "math/vector.h"

// Turns about z then about x, in whole degrees, that stand a ship's up axis on the ground normal
// n (up to the truncation): the hull and its shadow lean alike.
struct Inclinaison {
  float autour_z, autour_x;
};
Inclinaison inclinaison_sol(CVector3 n);
