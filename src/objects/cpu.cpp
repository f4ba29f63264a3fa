// The computer pilot's decisions: target and detours, firing, overtaking, watchdog.
#include "common/hasard.h"
#include "objects/cpu.h"

#include <cmath>

#include "objects/bonus.h"
#include "world/trajectoire.h"

namespace {

float distance_xz_carree(CVector3 a, CVector3 b) {
  const float dx = b.x - a.x, dz = b.z - a.z;
  return dx * dx + dz * dz;
}

float dans_180(float a) {
  while (a > 180) a -= 360;
  while (a < -180) a += 360;
  return a;
}

}  // namespace

CJoueurCPU::CJoueurCPU() : CJoueurCPU(0, 0, 0, 0) {}

CJoueurCPU::CJoueurCPU(float x, float y, float z, float cap) : CObjJoueur(x, y, z, cap) {
  etat = EtatPilote::Saute;
  ancienne_distance = 10000;
}

void CJoueurCPU::ResetPosition(float x, float y, float z, float cap) {
  CObjJoueur::ResetPosition(x, y, z, cap);
  multiplicateur = 1.0f;
  etat = EtatPilote::Saute;
  compteur_double_droite = compteur_double_gauche = 0;
  ralentir = false;
  detour_bonus = false;
  bonus_vise = nullptr;
  attente = 0;
  Delta = Delta_max = Delta_min = 0;
  pas_depuis_mur = 1000;
}

void CJoueurCPU::set_ptr_destination(Point_Traj* p) {
  const int valide = point_valide;
  vise_point(p);
  point_valide = valide;
  detour_bonus = false;
  bonus_vise = nullptr;
}

void CJoueurCPU::oublie_bonus(const CObjBonus* b) {
  if (!b || bonus_vise != b) return;
  detour_bonus = false;
  bonus_vise = nullptr;
  if (ptr_destination) pos_destination = ptr_destination->position;
  distance_cible = ancienne_distance = distance_xz_carree(position, pos_destination);
}

Point_Traj* CJoueurCPU::point_avant_cible() const {
  if (!ptr_destination) return nullptr;
  return ptr_destination->precedent ? ptr_destination->precedent : haut_list_ptraj;
}

int CJoueurCPU::tir_sur_bonus_du_point() const {
  const Point_Traj* q = point_avant_cible();
  if (!q || !q->bonus || !q->bonus->GetEtat()) return 0;
  const int t = q->bonus->GetType();
  int f = 0;
  if (t == BONUS_MINE_A_PRENDRE && bonus == BONUS_MINE_A_PRENDRE) f = 2;
  if ((t == BONUS_MINE_A_PRENDRE || t == BONUS_MISSILE_A_PRENDRE) && bonus == BONUS_MISSILE_A_PRENDRE &&
      classement == 1) {
    f = 3;
  }
  return f;
}

float CJoueurCPU::dispersion() const {
  if (classementH == 1) {
    if (classement == 2) return 1.5f;
    if (classement == 3) return 2.5f;
    return 4.0f;
  }
  if (classement == 1) return 2.1f;
  if (classement == 2) return 2.5f;
  if (classement == 3) return 3.0f;
  return 4.0f;
}

void CJoueurCPU::nouveau_point() {
  Point_Traj* q = point_avant_cible();
  if (q && q->bonus && q->bonus->GetEtat() && q->dist_bonus > 30 && bonus == 0) {
    detour_bonus = true;
    bonus_vise = q->bonus;
    pos_destination = q->bonus->GetVectorPosition();
  }
  const float r = dispersion();
  const int n = static_cast<int>(r * 200);
  const int a = g_HasardCourse.entier(n), b = g_HasardCourse.entier(n);
  decalage = CVector3(a / 100.0f - r, 0, b / 100.0f - r);
  pos_destination += decalage;
  attente = 0;
  distance_cible = distance_xz_carree(position, pos_destination);
}

void CJoueurCPU::suit_detour() {
  distance_cible = distance_xz_carree(position, pos_destination);
  if (!bonus_vise || !bonus_vise->GetEtat()) {
    detour_bonus = false;
    bonus_vise = nullptr;
    if (ptr_destination) pos_destination = ptr_destination->position;
    distance_cible = distance_xz_carree(position, pos_destination);
    return;
  }
  const bool s_eloigne = distance_cible > ancienne_distance && distance_cible < 900;
  if (!s_eloigne && distance_cible >= bonus_vise->GetRadiusCarre()) return;
  detour_bonus = false;
  bonus_vise = nullptr;
  const Point_Traj* q = point_avant_cible();
  // A bonus that sits right before the next point: that point is as good as reached.
  if (q && q->dist_bonus_suivant < 30) {
    avance_point();
  } else if (ptr_destination) {
    pos_destination = ptr_destination->position;
  }
  distance_cible = distance_xz_carree(position, pos_destination);
}

int CJoueurCPU::decide_tir(int f) {
  const CVector3 vers_devant = pos_devant - position;
  const float d2 = Dot(vers_devant, vers_devant);
  if (bonus == BONUS_VITESSE && boost == 0) {
    const Point_Traj* q = point_avant_cible();
    if (q && q->longueur > 80) f = 1;
  }
  if (bonus == BONUS_MINE_A_PRENDRE && classement < 6 && face_sol.type_sol == SURFACE_RAPIDE) {
    if (d2 > 36 && d2 < 90000 && std::fabs(glisse) < 3) f = 2;
  }
  if (bonus == BONUS_MISSILE_A_PRENDRE && classement != 1 && d2 > 25 && d2 < 2600) {
    const float e = dans_180(get_angle(position.x, position.z, pos_devant.x, pos_devant.z) - angle);
    if (std::fabs(e) < 3) {
      f = 3;
    } else if (std::fabs(e) < 15) {
      Delta = e;  // line up with the ship ahead
    }
  }
  return f;
}

void CJoueurCPU::action() {
  gauche = droite = accelere = freine_cpu = false;
  int f = 0;
  if (!detour_bonus) {
    if (suit_trajectoire(900)) nouveau_point();
    if (!detour_bonus) f = tir_sur_bonus_du_point();
  } else {
    suit_detour();
  }
  ancienne_distance = distance_cible;
  CVector3 vise = pos_destination;
  // Just off a wall: aim a little away from it rather than scrape along it.
  if (pas_depuis_mur++ < 20) vise += normale_mur * 25.0f;
  angle_cible = get_angle(position.x, position.z, vise.x, vise.z);
  Delta = dans_180(angle_cible - angle);
  if (Delta > Delta_max) Delta_max = Delta;
  if (Delta < Delta_min) Delta_min = Delta;
  applique_choc();
  declenche_bonus(decide_tir(f));
  compte_temps_boost();
  execute_etat();

  // Stuck: back onto the racing line. Never once arrived or still on the grid.
  attente++;
  if (attente > ATTENTE_MAX && etat != EtatPilote::Finish && etat != EtatPilote::Attend && ptr_destination) {
    attente = 0;
    position = ptr_destination->position;
    stats.sauvetages++;
  }
  position_collision = position + face_sol.normale * hauteur_collision;
  point_avant = position + deplacement * 12.0f;
  contraint_limites();
  met_a_jour_sons();
}

void CJoueurCPU::SetContactDecor(bool contact, CVector3 normal) {
  CObjJoueur::SetContactDecor(contact, normal);
  normal = normale_decor;  // as the base kept it
  const CVector3 n(normal.x, 0, normal.z);
  if (!contact || Magnitude(n) <= 0) return;
  normale_mur = Normalize(n);
  pas_depuis_mur = 0;
}

void CJoueurCPU::CheckDouble() {
  if (!joueur_devant || !ptr_destination || !ptr_destination->precedent) return;
  const CVector3 d = pos_devant - position;
  const float d2 = Dot(d, d);
  if (d2 <= 64 || d2 >= 169) return;
  const float t = Dot(ptr_destination->precedent->lateral, ptr_destination->normale);
  const float c = Dot(Normalize(d), deplacement);
  if (t > 0 && c > 0.76f) {
    compteur_double_droite++;
    compteur_double_gauche = 0;
    ralentir = false;
  } else if (t < 0 && c > 0.76f) {
    compteur_double_droite = 0;
    compteur_double_gauche++;
    ralentir = false;
  } else {
    ralentir = true;
  }
}

void CJoueurCPU::remet_a_neuf() {
  CJoueurCPU neuf;
  neuf.garde_identite(*this);
  *this = neuf;
}
