// Ship of a pilot: state machine guards, wall bounce, pushes between ships, world box.
#include "objects/joueur.h"

#include <cmath>

#include "math/degres.h"

CObjJoueur* Joueurs[NB_JOUEURS] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

CObjJoueur::CObjJoueur() : CObjJoueur(0, 0, 0, 0) {}

CObjJoueur::CObjJoueur(float x, float y, float z, float cap) : Cobjet(x, y, z, cap) {}

void CObjJoueur::remet_a_neuf() {
  CObjJoueur neuf;
  neuf.garde_identite(*this);
  *this = neuf;
}

void CObjJoueur::garde_identite(const CObjJoueur& ancien) {
  SetNom(ancien.nom);
  obj3D = ancien.obj3D;
  son_moteur = ancien.son_moteur;
  canal_moteur = ancien.canal_moteur;
  son_boost = ancien.son_boost;
  canal_boost = ancien.canal_boost;
  son_glisse = ancien.son_glisse;
  canal_glisse = ancien.canal_glisse;
  resultat_son = ancien.resultat_son;
  frequence_moteur = ancien.frequence_moteur;
  frequence_glisse = ancien.frequence_glisse;
}

void CObjJoueur::SetContactDecor(bool contact, CVector3 normal) {
  // The wall search adds up the way out of every face touched; against many faces at once (an
  // arch over the road, hit while blown up) that sum could throw the ship through the road.
  // One push never moves it further than its own radius.
  const float l = Magnitude(normal);
  if (l > rayon) normal = normal * (rayon / l);
  contact_decor = contact;
  normale_decor = normal;
  position += normal * 1.1f;
}

void CObjJoueur::action() { execute_etat(); }

void CObjJoueur::execute_etat() {
  switch (etat) {
    case EtatPilote::Roule: Roule(); break;
    case EtatPilote::Saute: Saute(); break;
    case EtatPilote::CollisionRoule: CollisionRoule(); break;
    case EtatPilote::Explode: Explode(); break;
    case EtatPilote::Attend: Attend(); break;
    case EtatPilote::Finish: Finish(); break;
  }
}

void CObjJoueur::Set_Roule() {
  if (!peut_bouger) {
    etat = EtatPilote::Attend;
    return;
  }
  if (!etat_protege()) etat = EtatPilote::Roule;
}

void CObjJoueur::Set_Chute() {
  if (etat != EtatPilote::Finish) etat = EtatPilote::Saute;
}

void CObjJoueur::ResetContacts() {
  contact_ombre = contact_sol = contact_decor = false;
  if (!etat_protege()) etat = EtatPilote::Saute;
}

void CObjJoueur::Set_Collision() {
  if (etat == EtatPilote::CollisionRoule) return;
  // Mirror the direction of motion about the wall plane (a wall always has a normal; without one
  // there is nothing to bounce off).
  if (Magnitude(normale_decor) > 0) {
    rebondit();
  }
  compteur_collision = 0;
  vitesse *= 0.65f;
  if (etat != EtatPilote::Finish) etat = EtatPilote::CollisionRoule;
}

void CObjJoueur::rebondit() {
  const CVector3 n = Normalize(normale_decor);
  const CVector3 d = deplacement;
  const int a = static_cast<int>(180.0 - std::acos(static_cast<double>(Dot(d, n))) * 180.0 / M_PI);
  const float l = rayon / cosinus(a);
  deplacement = Normalize(d * l + n * 2.0f * rayon);
}

void CObjJoueur::Set_Explode() {
  compteur_explosion = 0;
  deplacement.y = 0.8f;
  position.y += 0.6f;
  if (etat != EtatPilote::Finish) etat = EtatPilote::Explode;
}

void CObjJoueur::Set_Finish() {
  etat = EtatPilote::Finish;
  glisse_active = false;
}

void CObjJoueur::ResetPosition(float x, float y, float z, float cap) {
  position = CVector3(x, y, z);
  angle = cap;
  angle_deplacement = cap;
  dir_choc = CVector3(0, 0, 0);
  force_choc = 0;
  braquage = 0;
  glisse = 0;
  vitesse = 0;
  compteur_collision = 0;
  bonus = 0;
  temps_boost = 0;
  boost = 0;
  tour = 0;
  classement_devant = -1;
  classement_derriere = -1;
  pos_devant = CVector3(0, 0, 0);
  pos_derriere = CVector3(0, 0, 0);
  point_valide = -1;
  face_sol.reset();
  glisse_active = false;
  glisse_active_avant = false;
}

void CObjJoueur::SetChoc(CVector3 eloigne, float recouvrement, CVector3 autre_direction, float autre_vitesse) {
  const float dv = vitesse - autre_vitesse;
  const CVector3 n = Normalize(eloigne);
  const float a = Dot(deplacement, n);
  const float b = Dot(deplacement, autre_direction);
  position += n * (std::sqrt(recouvrement) / 2.1f);
  if (a > 0.1f) {  // hit from behind
    if (dv > 0) {
      vitesse += dv * 0.35f;
      force_choc = dv / vitesse_max * 1.5f;
    } else {
      vitesse += dv * 0.45f;
      force_choc = (1 - dv / vitesse_max) * 1.5f;
    }
    dir_choc = n;
  } else if (a < -0.1f) {  // driving into the other ship
    if (b > 0) {
      vitesse -= dv > 0 ? dv * 0.65f : dv * 0.35f;
      force_choc = dv / vitesse_max * 1.5f;
    } else {
      vitesse -= autre_vitesse * 0.5f;
      if (vitesse < 0) vitesse = 0;
      dir_choc = n;
      force_choc = autre_vitesse / vitesse_max;
    }
  } else {  // side contact
    dir_choc = n;
    vitesse -= autre_vitesse * 0.65f;
    force_choc = 1.5f;
  }
}

void CObjJoueur::applique_choc() {
  if (force_choc <= 0) return;
  position += dir_choc * force_choc;
  force_choc -= 0.2f;
  if (force_choc < 0) force_choc = 0;
}

bool pousse_vaisseaux(CObjJoueur* a, CObjJoueur* b) {
  const CVector3 d = b->GetPositionCollision() - a->GetPositionCollision();
  const float recouvrement = a->GetRadiusCarre() + b->GetRadiusCarre() - Dot(d, d);
  if (recouvrement <= 0) return false;
  // The second ship sees the first as the first push left it.
  a->SetChoc(d * -1.0f, recouvrement, b->deplacement, b->vitesse);
  b->SetChoc(d, recouvrement, a->deplacement, a->vitesse);
  return true;
}
