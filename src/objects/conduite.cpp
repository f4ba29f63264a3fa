// Driving model shared by the human and the computer pilots: racing-line target, slopes,
// friction, ground-following direction.
#include <cmath>

#include "math/degres.h"
#include "objects/joueur.h"
#include "world/trajectoire.h"

namespace {

float distance_xz_carree(CVector3 a, CVector3 b) {
  const float dx = b.x - a.x, dz = b.z - a.z;
  return dx * dx + dz * dz;
}

}  // namespace

float angle_0_360(float a) {
  while (a >= 360) a -= 360;
  while (a < 0) a += 360;
  return a;
}

void CObjJoueur::vise_point(Point_Traj* p) {
  // No racing line: forget the old target too, since its point went with the previous circuit.
  if (!p) {
    ptr_destination = nullptr;
    return;
  }
  ptr_destination = p;
  pos_destination = p->position;
  if (p->precedent) {
    dir_traj = p->precedent->normale;
    point_valide = p->precedent->numero;
  } else {
    dir_traj = haut_list_ptraj ? haut_list_ptraj->normale : CVector3(0, 0, 0);
    point_valide = -1;
  }
  point_courant = p->numero;
  distance_cible = ancienne_distance = distance_xz_carree(position, p->position);
}

bool CObjJoueur::suit_trajectoire(float passe) {
  if (!ptr_destination) return false;
  distance_cible = distance_xz_carree(position, pos_destination);
  // Passed beside the point: it still counts as reached.
  if (distance_cible > ancienne_distance && distance_cible < passe) distance_cible = 215;
  const bool atteint = distance_cible < 225;
  if (atteint) avance_point();
  ancienne_distance = distance_cible;
  return atteint;
}

void CObjJoueur::avance_point() {
  Point_Traj* p = ptr_destination->suivant ? ptr_destination->suivant : prem_list_ptraj;
  if (!p) return;
  ptr_destination = p;
  pos_destination = p->position;
  Point_Traj* avant = p->precedent ? p->precedent : haut_list_ptraj;
  dir_traj = avant ? avant->normale : CVector3(0, 0, 0);
  point_valide = point_courant;
  point_courant = p->numero;
  distance_cible = distance_xz_carree(position, pos_destination);
}

void CObjJoueur::calcule_pente() {
  const CVector3 n = face_sol.normale;
  const int h = static_cast<int>(angle_deplacement);
  const float a = 3 * n.x + 5 * sinus(h);
  const float b = 3 * n.z + 5 * cosinus(h);
  pente5 = std::sqrt(a * a + b * b);
  pente = pente5 / 5;
}

void CObjJoueur::applique_pente(float V, bool friction, float perte_montee) {
  const bool ralenti = face_sol.type_sol == SURFACE_LENTE;
  if (pente > 1.02f) {
    if (vitesse <= V * pente) {
      vitesse += (pente - 1) / 10;
    } else {
      vitesse -= (pente - 1) / 15;
    }
    if (ralenti && vitesse > 0.8f * V * pente) vitesse -= 0.1f;
  } else if (pente < 0.98f) {
    vitesse -= (1 - pente) / perte_montee;
    if (vitesse > V * pente) vitesse -= 0.02f;
    if (ralenti && vitesse > 0.8f * V * pente) vitesse -= 0.1f;
  } else if (friction) {
    if (ralenti && vitesse > 0.8f * V) vitesse -= 0.1f;
    if (vitesse > 0.005f) {
      vitesse -= 0.035f;
      if (vitesse < 0) vitesse = 0;
    } else if (vitesse < -0.025f) {
      vitesse += 0.035f;
    } else {
      vitesse = 0;
    }
  }
}

float CObjJoueur::tourne_selon_pente(float facteur) {
  const CVector3 normal = face_sol.normale;
  if (normal.y > 0.997f) {
    cote_pente = 0;
    return 0;
  }
  const CVector3 n = Normalize(CVector3(normal.x * 5, 0, normal.z * 5));
  const float s = Dot(n, lateral);
  float c = Dot(n, deplacement);
  c = c > 1 ? 1 : (c < -1 ? -1 : c);
  angle_pente = static_cast<float>(std::acos(c) * 180.0 / M_PI);
  cote_pente = s > 0 ? 1 : -1;
  if (angle_pente > 3) {
    const float tour = facteur * (1 - normal.y) * sinus(static_cast<int>(angle_pente));
    if (s > 0) {
      angle_deplacement -= tour;
      angle -= tour;
    } else {
      angle_deplacement += tour;
      angle += tour;
    }
    angle = angle_0_360(angle);
  }
  angle_deplacement = angle_0_360(angle_deplacement);
  return s;
}

void CObjJoueur::oriente_au_sol() {
  const int h = static_cast<int>(angle_deplacement);
  const CVector3 v(sinus(h), 0, cosinus(h));
  lateral = Normalize(Cross(v, CVector3(0, 1, 0)));
  deplacement = Cross(face_sol.normale, lateral);
}

void CObjJoueur::avance_au_sol() {
  oriente_au_sol();
  ancien_deplacement = deplacement;
  position += deplacement * vitesse;
}

void CObjJoueur::braque(bool gauche, bool droite, float gain, int baisse) {
  braquage = 0;
  if (gauche) {
    compteur_droite = 0;
    compteur_gauche++;
    braquage = compteur_gauche * gain + vitesse * 0.9f + 1;
  } else if (droite) {
    compteur_gauche = 0;
    compteur_droite++;
    braquage = -(compteur_droite * gain + vitesse * 0.9f + 1);
  } else if (compteur_droite >= 1) {
    compteur_droite -= baisse;
    if (compteur_droite < 0) compteur_droite = 0;
  } else if (compteur_gauche > 0) {
    compteur_gauche -= baisse;
    if (compteur_gauche < 0) compteur_gauche = 0;
  }
  angle = angle_0_360(angle + braquage);
  glisse -= braquage;
}

void CObjJoueur::reduit_glisse(float r) {
  if (glisse > 0) {
    glisse -= r;
    if (glisse < 0) glisse = 0;
  } else if (glisse < 0) {
    glisse += r;
    if (glisse > 0) glisse = 0;
  }
}

void CObjJoueur::braque_en_l_air(bool gauche, bool droite) {
  if (vitesse > -0.005f) {
    if (gauche) {
      compteur_gauche++;
      const float t = compteur_gauche / 15.0f + 1;
      angle += t;
      glisse -= t;
    } else {
      compteur_gauche = 0;
    }
    if (droite) {
      compteur_droite++;
      const float t = compteur_droite / 15.0f + 1;
      angle -= t;
      glisse += t;
    } else {
      compteur_droite = 0;
    }
  } else {
    if (gauche) {
      angle -= 1;
      glisse += 1;
    }
    if (droite) {
      angle += 1;
      glisse -= 1;
    }
  }
  angle = angle_0_360(angle);
  vitesse -= sinus(static_cast<int>(std::fabs(glisse))) / 30;
  reduit_glisse((vitesse - 6) * (vitesse - 6) / 20);
}

void CObjJoueur::roule_apres_choc(int duree) {
  compteur_collision++;
  if (compteur_collision > duree) etat = EtatPilote::Roule;
  vitesse -= 0.05f;
  if (vitesse > 0) {
    position += CVector3(deplacement.x * vitesse, deplacement.y, deplacement.z * vitesse);
    position.y -= 0.1f;
  } else {
    vitesse = 0;
    etat = EtatPilote::Roule;
  }
}

void CObjJoueur::explose() {
  vitesse -= 0.05f;
  if (vitesse < 0) vitesse = 0;
  compteur_explosion++;
  if (compteur_explosion >= 48) {
    etat = EtatPilote::Roule;
    angle_deplacement = angle;
    return;
  }
  if (!contact_sol) {
    deplacement.y -= 0.04f;
    if (deplacement.y < -2.5f) deplacement.y = -2.5f;
    angle = angle_0_360(angle + 15);
    position += CVector3(deplacement.x * vitesse, deplacement.y, deplacement.z * vitesse);
  }
}

void CObjJoueur::cap_vers_arrivee(bool* gauche, bool* droite) const {
  *gauche = *droite = false;
  if (!haut_list_ptraj) return;
  float delta = get_angle(position.x, position.z, haut_list_ptraj->position.x, haut_list_ptraj->position.z) - angle;
  while (delta > 180) delta -= 360;
  while (delta < -180) delta += 360;
  *gauche = delta > 2;
  *droite = delta < -2;
}

float CObjJoueur::gain_pedales(bool gaz, bool frein, float gain_avant, float limite) {
  freine = false;
  if (gaz) {
    if (!marche_avant) {
      if (vitesse > -0.05f) marche_avant = true;
      return acceleration;
    }
    return vitesse + gain_avant > limite ? 0 : gain_avant;
  }
  if (!frein) return 0;
  freine = true;
  if (vitesse < 0.05f) {
    marche_avant = false;
    return vitesse > -0.8f ? -0.1f : 0;
  }
  marche_avant = true;
  return -0.05f;
}
