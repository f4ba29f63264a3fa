// The player's driving model and its state bodies.
#include "common/hasard.h"
#include "objects/humain.h"

#include <cmath>

#include "math/degres.h"
#include "world/trajectoire.h"
#include "common/controle.h"
#include "world/monde.h"

CJoueurHumain::CJoueurHumain() : CJoueurHumain(0, 0, 0, 0) {}

CJoueurHumain::CJoueurHumain(float x, float y, float z, float cap) : CObjJoueur(x, y, z, cap) {}

bool CJoueurHumain::gaz() const { return controle && (controle->Haut() || controle->Special()); }
bool CJoueurHumain::frein() const { return controle && (controle->Bas() || controle->Special_1()); }
bool CJoueurHumain::gauche() const { return controle && controle->Gauche(); }
bool CJoueurHumain::droite() const { return controle && controle->Droite(); }

void CJoueurHumain::ResetPosition(float x, float y, float z, float cap) {
  CObjJoueur::ResetPosition(x, y, z, cap);
  multiplicateur = 1.0f;
  etat = EtatPilote::Saute;
}

void CJoueurHumain::action() {
  accelere = freinage = false;
  suit_trajectoire();
  verifie_sens();
  applique_choc();
  tire_bonus();
  compte_boost();
  if (ptr_destination) alignement_traj = Dot(lateral, ptr_destination->normale);
  if (controle) controle->Pool();
  execute_etat();
  position_collision = position + face_sol.normale * hauteur_collision;
  point_avant = position + deplacement * 6.0f;
  contraint_limites();
  met_a_jour_sons();
}

void CJoueurHumain::verifie_sens() {
  produit_sens = dir_traj.x * deplacement.x + dir_traj.z * deplacement.z;
  if (produit_sens < 0) {
    compteur_sens++;
  } else {
    compteur_sens = 0;
    sens_interdit = false;
  }
  // On for steps 31 to 55 against the line, off for 11, on again.
  if (compteur_sens < 56) {
    if (compteur_sens > 30) sens_interdit = true;
  } else {
    compteur_sens = 20;
    sens_interdit = false;
  }
}

void CJoueurHumain::tire_bonus() {
  if (!controle || !controle->Relache_Valide()) return;
  declenche_bonus(bonus);
}

void CJoueurHumain::compte_boost() { compte_temps_boost(); }

void CJoueurHumain::Roule() {
  calcule_pente();
  const float V = vitesse_max * multiplicateur;
  const bool g = gaz(), f = !g && frein();
  accelere = g;
  if (f) freinage = true;
  const float gain = gain_pedales(g, f, acceleration * pente, V);
  vitesse += gain;
  applique_pente(V, true);

  if (vitesse > 0) braque(gauche(), droite(), 0.2f, 2);
  if (vitesse < 0) {
    if (vitesse < -2.0f) vitesse = -2.0f;
    if (gauche()) angle = angle_0_360(angle - 1);
    if (droite()) angle = angle_0_360(angle + 1);
    reduit_glisse(0.2f);
  }
  recupere_glisse();
  angle_deplacement = angle_0_360(angle + glisse);
  tourne_selon_pente(30);
  avance_au_sol();
}

void CJoueurHumain::recupere_glisse() {
  const float G = glissement;
  const float s = std::fabs(glisse);
  if (s == 0) return;
  const int si = static_cast<int>(s);
  const bool haut = gaz();
  const bool bas_seul = !haut && frein();
  float reduction = 0;
  auto k = [this]() { return (vitesse - 6) * (vitesse - 6); };
  if (s > 170) {
    vitesse -= 0.35f * G;
    compteur_droite = compteur_gauche = 0;
    reduction = k() * G;
  } else if (s > 120) {
    vitesse -= 0.2f * G;
    reduction = k() / 2 * G;
  } else if (s > 45) {
    if (bas_seul) return;
    vitesse -= sinus(si) / (haut ? 13.0f : 8.0f) * G;
    reduction = k() / (haut ? 4.0f : 5.0f) * G;
  } else if (s > 10) {
    if (bas_seul) return;
    vitesse -= sinus(si) / (haut ? 9.0f : 6.0f) * G;
    reduction = k() / (haut ? 3.0f : 4.0f) * G;
  } else {
    vitesse -= sinus(si) / 14.0f * G;
    reduction = k() / 3.5f * G;
  }
  reduit_glisse(reduction);
}

void CJoueurHumain::Saute() {
  vitesse = vitesse > 0 ? vitesse * 0.995f : 0;
  if (gaz()) {
    accelere = true;
  } else if (frein()) {
    freinage = true;
  }
  braque_en_l_air(gauche(), droite());
  angle_deplacement = angle_0_360(angle + glisse);
  produit_sens = tourne_selon_pente(10);

  // In the air the direction follows the last ground's tilt.
  const CVector3 n = face_sol.normale;
  const auto incline = [](float c) {
    c = c > 1 ? 1 : (c < -1 ? -1 : c);
    return static_cast<int>(std::asin(c) * 57.2957);
  };
  const int h = static_cast<int>(angle_deplacement);
  deplacement = Rot_axe_X(Rot_axe_Z(CVector3(sinus(h), 0, cosinus(h)), incline(n.x)), incline(n.z));
  lateral = Normalize(Cross(deplacement, n));

  ancien_deplacement.y -= 0.05f;
  if (ancien_deplacement.y < -2.5f) ancien_deplacement.y = -2.5f;
  if (ancien_deplacement.y < deplacement.y) deplacement.y = ancien_deplacement.y;
  ancien_deplacement = deplacement;
  position += CVector3(deplacement.x * vitesse, deplacement.y, deplacement.z * vitesse);
}

void CJoueurHumain::CollisionRoule() { roule_apres_choc(20); }

void CJoueurHumain::Explode() { explose(); }

void CJoueurHumain::Finish() {
  calcule_pente();
  bool vers_gauche, vers_droite;
  cap_vers_arrivee(&vers_gauche, &vers_droite);
  vitesse = vitesse > 0.02f ? vitesse * (1 - g_HasardCourse.entier(100) / 4000.0f) : 0;
  applique_pente(vitesse_max * multiplicateur, false);
  if (vitesse > 0) {
    braque(vers_gauche, vers_droite, 0.1f, 3);
  } else {
    glisse = 0;
  }
  reduit_glisse((vitesse - 6) * (vitesse - 6) / 4 * glissement);
  angle_deplacement = angle_0_360(angle + glisse);
  oriente_au_sol();
  if (deplacement.y > -1) deplacement.y -= 0.1f;
  ancien_deplacement = deplacement;
  position += deplacement * vitesse;
}

void CJoueurHumain::remet_a_neuf() {
  CJoueurHumain neuf;
  neuf.garde_identite(*this);
  *this = neuf;
}
