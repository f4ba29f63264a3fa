// Initial placement of the pick-ups: random spots on the track, apart from each other, settled
// on the ground, linked to the racing line.
#include "common/hasard.h"
#include "objects/bonus_placement.h"

#include <cmath>

#include "objects/bonus.h"
#include "world/minimap.h"
#include "world/monde.h"
#include "world/octree.h"
#include "world/trajectoire.h"

namespace {

bool trop_pres(float x, float z) {
  for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) {
    const float dx = b->position.x - x, dz = b->position.z - z;
    if (dx * dx + dz * dz < ECART_BONUS_MIN * ECART_BONUS_MIN) return true;
  }
  return false;
}

// Falls until every pick-up rests on the ground; those that fall out of the circuit, hit a wall
// or never land are removed.
void laisse_tomber() {
  for (int passe = 0; passe < PASSES_CHUTE_MAX; passe++) {
    bool tous_au_sol = true;
    CObjBonus* b = prem_list_bonus;
    while (b) {
      CObjBonus* suivant = b->suivant;
      b->ResetContacts();
      g_Octree.ChercheSolObjet(b, &g_World);
      g_Octree.CollisionsObjetmonde(b, &g_World);
      b->action();
      if (!b->GetContactSol()) tous_au_sol = false;
      if (b->position.y < -10 || b->GetDestruct()) Destruct_bonus(b);
      b = suivant;
    }
    if (tous_au_sol) return;
  }
  CObjBonus* b = prem_list_bonus;
  while (b) {
    CObjBonus* suivant = b->suivant;
    if (!b->GetContactSol()) Destruct_bonus(b);
    b = suivant;
  }
}

CVector3 a_plat(CVector3 v) { return CVector3(v.x, 0, v.z); }

// Hangs one pick-up on the point it lies ahead of, near the two nearest free points.
void lie_un_bonus(CObjBonus* b, float depart) {
  Point_Traj* N = nullptr;
  Point_Traj* P = nullptr;
  float plus_pres = depart;
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    if (p->bonus) continue;
    const float d = Distance(p->position, b->position);
    if (d < plus_pres) {
      P = N;
      N = p;
      plus_pres = d;
    }
  }
  if (!N || !P) return;
  const float s = Dot(Normalize(a_plat(N->position - b->position)), a_plat(P->position - b->position));
  Point_Traj* C = nullptr;
  if (s > 0 && N->suivant == P) {
    if (!N->precedent) {
      haut_list_ptraj->bonus = b;
      return;
    }
    C = N->precedent;
  } else if (s > 0) {
    C = N;
  } else if (N->suivant == P) {
    C = N;
  } else if (P->suivant == N || N->precedent == P) {
    C = P;
  } else {
    return;
  }
  if (Dot(b->position - C->position, C->normale) >= 0.63f) {
    C->bonus = b;
  } else {
    (C->precedent ? C->precedent : haut_list_ptraj)->bonus = b;
  }
}

}  // namespace

void lie_bonus_trajectoire() {
  if (nb_point_t <= 2) return;
  float minX, maxX, minZ, maxZ;
  g_Minimap.GetVal(&minX, &maxX, &minZ, &maxZ);
  const float rX = maxX - minX, rZ = maxZ - minZ;
  const float depart = 500 + std::sqrt(rX * rX + rZ * rZ);
  for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) lie_un_bonus(b, depart);
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    if (!p->bonus) continue;
    const Point_Traj* suivant = p->suivant ? p->suivant : prem_list_ptraj;
    p->dist_bonus = Distance(p->position, p->bonus->position);
    p->dist_bonus_suivant = Distance(p->bonus->position, suivant->position);
  }
}

void charge_positions_bonus() {
  float minX, maxX, minZ, maxZ;
  g_Minimap.GetVal(&minX, &maxX, &minZ, &maxZ);
  // A map narrower than one unit would divide by zero below.
  const int rX = std::max(1, static_cast<int>(maxX - minX));
  const int rZ = std::max(1, static_cast<int>(maxZ - minZ));

  // Two stand-ins keep the pick-ups away from the start grid.
  creation_bonus(1, 10, 0, 0);
  creation_bonus(1, 100, 0, 0);
  int places = 0;
  for (int essai = 0; essai < ESSAIS_PLACEMENT_MAX && places < NB_BONUS_PLACES; essai++) {
    const float x = minX + static_cast<float>(g_HasardCourse.entier(rX));
    const float z = minZ + static_cast<float>(g_HasardCourse.entier(rZ));
    float y = 0;
    if (!g_Minimap.PointSurPiste(x, z, &y) || trop_pres(x, z)) continue;
    creation_bonus(g_HasardCourse.entier(90) / 30 + 1, x, y, z);
    CObjBonus* b = act_bonus;
    // One against a wall would blow up at the start of the race: try another spot.
    g_Octree.ChercheSolObjet(b, &g_World);
    g_Octree.CollisionsObjetmonde(b, &g_World);
    if (b->GetDestruct()) {
      Destruct_bonus(b);
      continue;
    }
    b->ResetContacts();
    b->SetTempDeactif(g_HasardCourse.entier(700) + 700);
    places++;
  }
  Destruct_bonus(prem_list_bonus);
  Destruct_bonus(prem_list_bonus);
  laisse_tomber();
  lie_bonus_trajectoire();
}
