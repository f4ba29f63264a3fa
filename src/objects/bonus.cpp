// Bonus objects and their list: kinds, falling and sliding, the comeback of taken pick-ups,
// the missile's flight, smoke and sound.
#include "objects/bonus.h"

#include <cmath>

#include "audio/son.h"
#include "common/globals.h"
#include "common/hasard.h"
#include "common/liste.h"
#include "math/degres.h"
#include "objects/cpu.h"
#include "objects/particules.h"
#include "world/trajectoire.h"
#include "world/modeles.h"

CObjBonus* prem_list_bonus = nullptr;
CObjBonus* haut_list_bonus = nullptr;
CObjBonus* act_bonus = nullptr;
int nb_bonus = 0;

namespace {

ListeObjets<CObjBonus> liste_bonus() {
  return ListeObjets<CObjBonus>(prem_list_bonus, haut_list_bonus, act_bonus, nb_bonus, Insertion::Fin,
                                ApresRetrait::PrecedentSinonSuivant);
}

}  // namespace

void CObjBonus::SetType(int t) {
  type = t;
  switch (t) {
    case BONUS_MINE:
      obj3D = &mine;
      rayon = 4.2f;
      vitesse = 0;
      break;
    case BONUS_MISSILE:
      obj3D = &missile;
      rayon = 3.2f;
      vitesse = 3.5f;
      break;
    default:
      obj3D = t == BONUS_MINE_A_PRENDRE ? &bonus_mine : (t == BONUS_MISSILE_A_PRENDRE ? &bonus_missile : &bonus_boost);
      rayon = 4.7f;
      vitesse = 0;
      break;
  }
}

void CObjBonus::SetDeplacement(float a) {
  const int h = static_cast<int>(a);
  deplacement = CVector3(sinus(h), 0, cosinus(h));
  rotation.y = a;
}

void CObjBonus::SetSon(HSon s, float min, float max) {
  son = s;
  distance_son_min = min;
  distance_son_max = max;
}

int CObjBonus::BeginSon() {
  resultat_fmod = son_joue(g_SystemeSon, son, false, &canal);
  if (resultat_fmod != SON_OK) {
    canal = HCanal();
    return 1;
  }
  son_canal_set_volume(canal, VOLUME_SONS);
  return 0;
}

void CObjBonus::StopSon() {
  if (!son_handle_vide(canal)) son_canal_stop(canal);
  canal = HCanal();
}

void CObjBonus::SetTempDeactif(int n) {
  temps_deactif = n;
  temps = n > 0 ? g_HasardCourse.entier(n) : 0;
}

void CObjBonus::action() {
  position_collision = position + face_sol.normale * hauteur_collision;
  if (!contact_sol) {
    deplacement.y -= 0.05f;
    if (deplacement.y < -2.5f) deplacement.y = -2.5f;
    position += deplacement;
  }
  const CVector3 n = face_sol.normale;
  if (contact_sol && n.y < 0.2f) destruct = true;
  if (type < BONUS_MINE && contact_sol && n.y < 0.7f) {
    // Too steep to rest on: the pick-up slides off downhill.
    const CVector3 pente = Normalize(CVector3(n.x, 0, n.z));
    position += pente * 1.5f;
    contact_sol = false;
  }
  age++;
  if (!etat && age > 3) {
    temps++;
    if (temps > temps_deactif) {
      etat = true;
      temps = 0;
      SetType(g_HasardCourse.entier(90) / 30 + 1);
    }
  }
  if (type == BONUS_MISSILE) {
    if (age > 210) destruct = true;
    position += CVector3(deplacement.x * vitesse, 0, deplacement.z * vitesse);
    const CVector3 fumee = position_collision - deplacement * 3.0f;
    creation_partic(PARTIC_FUMEE, fumee.x, fumee.y, fumee.z);
    if (!son_handle_vide(canal)) {
      const SonVecteur pos{position.x, position.y, -position.z};
      const SonVecteur vel{deplacement.x * vitesse, deplacement.y * vitesse, -deplacement.z * vitesse};
      son_canal_set_3d(canal, &pos, &vel);
    }
  }
}

void creation_bonus(int type, float x, float y, float z) {
  CObjBonus* b = new CObjBonus;
  b->SetType(type);
  liste_bonus().insere(b);
  if (type == BONUS_MISSILE) {
    b->SetSon(SON_MISSILE, 15, 60);
    b->BeginSon();
  }
  b->ResetPos(x, y, z, 0);
}

void Destruct_bonus(CObjBonus* b) {
  if (!b) return;
  // Nothing may keep pointing at a freed bonus: the racing line and the pilots heading for it.
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    if (p->bonus == b) p->bonus = nullptr;
  }
  for (CObjJoueur* j : Joueurs) {
    if (auto* cpu = dynamic_cast<CJoueurCPU*>(j)) cpu->oublie_bonus(b);
  }
  liste_bonus().retire(b);
}

void Effacement_liste_bonus() {
  for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) b->StopSon();
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) p->bonus = nullptr;
  for (CObjJoueur* j : Joueurs) {
    if (auto* cpu = dynamic_cast<CJoueurCPU*>(j)) cpu->oublie_bonus(cpu->bonus_vise);
  }
  liste_bonus().efface();
}

void largue_mine(CVector3 p, float h) {
  const int a = static_cast<int>(h);
  creation_bonus(BONUS_MINE, p.x - 8 * sinus(a), p.y, p.z - 8 * cosinus(a));
}

void lance_missile(CVector3 p, float h, float cap) {
  const int a = static_cast<int>(h);
  creation_bonus(BONUS_MISSILE, p.x + 8 * sinus(a), p.y, p.z + 8 * cosinus(a));
  act_bonus->SetDeplacement(cap);
}
