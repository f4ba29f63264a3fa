// The computer pilot's driving: pedals and slide by table, the look ahead of the harder levels,
// catch-up speed, air and finish.
#include <cmath>

#include "common/difficulte.h"
#include "common/hasard.h"
#include "math/degres.h"
#include "objects/cpu.h"
#include "world/monde.h"
#include "world/trajectoire.h"

void CJoueurCPU::decide_pedales() {
  const float D = std::fabs(Delta);
  const float g = std::fabs(glisse);
  const float V = vitesse_max;
  const float M = multiplicateur;
  const bool boosting = M > 1;
  accelere = freine_cpu = false;
  if (D > 95) {
    if (vitesse < 0.4f * V) {
      accelere = true;
    } else if (vitesse > 0.55f * V && boosting) {
      freine_cpu = true;
    }
  } else if (D > 55) {
    if (g < 15) {
      accelere = true;
    } else if (g < 22) {
      accelere = vitesse < 0.8f * V && !boosting;
    } else {
      freine_cpu = true;
    }
  } else if (D > 20) {
    if (g < 40) {
      accelere = !boosting;
    } else if (g < 50) {
      accelere = vitesse < 0.5f * V && !boosting;
    } else {
      freine_cpu = true;
    }
  } else if (D > 3) {
    accelere = g < 25 || vitesse < 0.5f * V * M;
  } else {
    accelere = g < 30 || vitesse < 0.5f * V * M;
  }
  if (difficulte_de_vitesse(V) > DIFFICULTE_NORMALE) anticipe_virage();
}

namespace {

// The table above was made for Normal's top speed. Faster, the slide recovers less each step
// ((v - 6)^2 shrinks), a ship that turns late runs wide into the wall, and the harder levels'
// pilots would lose in the bends what they gain on the straights: they look ahead instead.
constexpr float VITESSE_TABLE = 2.5f;
// How far ahead they look, in units along the racing line.
constexpr float PORTEE_VIRAGE = 150;
// Added to the distance of a stretch, so the one just ahead does not weigh without bound.
constexpr float DISTANCE_MIN_VIRAGE = 20;
// The ship's direction of travel turns about 0.2 (6 - v)^2 degrees a step at speed v while its
// slide stays small. A bend asking more than LEVE times that: throttle off (before the limit,
// since the nose has to swing round first); more than FREINE times: brake.
constexpr float TOURNE_PAR_PAS = 0.2f;
constexpr float LEVE = 0.8f;
constexpr float FREINE = 1.6f;
// Beyond the table's speed, a slide wider than this is grip lost: throttle off until it closes.
constexpr float GLISSE_MAX = 15;

}  // namespace

float CJoueurCPU::exigence_virage(float portee) const {
  Point_Traj* p = point_avant_cible();
  const CVector3 cap(deplacement.x, 0, deplacement.z);
  if (!p || Magnitude(cap) <= 0) return 0;
  const CVector3 c = Normalize(cap);
  // Distance to the start of each stretch: the one being driven started behind the ship (0),
  // the next starts at the target.
  float distance = std::sqrt(distance_cible) - p->longueur;
  float pire = 0;
  for (int k = 0; k < nb_point_t && distance < portee; k++) {
    Point_Traj* q = ptraj_suivant(p);
    const CVector3 troncon(q->position.x - p->position.x, 0, q->position.z - p->position.z);
    if (Magnitude(troncon) > 0) {
      float cosinus_angle = Dot(c, Normalize(troncon));
      cosinus_angle = cosinus_angle > 1 ? 1 : (cosinus_angle < -1 ? -1 : cosinus_angle);
      const float degres = std::acos(cosinus_angle) * 57.29578f;
      const float exigence = degres / ((distance > 0 ? distance : 0) + DISTANCE_MIN_VIRAGE);
      if (exigence > pire) pire = exigence;
    }
    distance += p->longueur;
    p = q;
  }
  return pire;
}

void CJoueurCPU::anticipe_virage() {
  if (vitesse <= 0) return;
  if (std::fabs(glisse) > GLISSE_MAX && vitesse > VITESSE_TABLE) accelere = false;
  // Degrees a step the line ahead asks for at this speed, against what the ship can turn.
  const float demande = exigence_virage(PORTEE_VIRAGE) * vitesse;
  const float possible = TOURNE_PAR_PAS * (6 - vitesse) * (6 - vitesse);
  if (demande > FREINE * possible) {
    accelere = false;
    freine_cpu = true;
  } else if (demande > LEVE * possible) {
    accelere = false;
  }
}

float CJoueurCPU::plafond_vitesse() const {
  const float V = vitesse_max;
  if (multiplicateur > 1) {
    // No boosting into a bend.
    if (ptr_destination && distance_cible < 1369 && std::fabs(Dot(lateral, ptr_destination->normale)) > 0.258f) {
      return V;
    }
    return V * multiplicateur;
  }
  if (classementH == 1) {
    if (classement == 2) return 1.11f * V;
    if (classement == 3) return 1.08f * V;
    return 1.06f * V;
  }
  return V;
}

void CJoueurCPU::recupere_glisse() {
  const float g = std::fabs(glisse);
  if (g == 0) return;
  const float G = glissement;
  const int gi = static_cast<int>(g);
  const bool frein_seul = freine_cpu && !accelere;
  const bool rien = !accelere && !freine_cpu;
  if (g > 15 && frein_seul) return;
  float baisse, diviseur;
  if (g > 45) {
    baisse = accelere ? 10.0f : 9.0f;
    diviseur = accelere ? (multiplicateur > 1 ? 3.0f : 4.0f) : 5.0f;
  } else if (g > 15) {
    baisse = accelere ? 12.0f : 10.0f;
    diviseur = rien ? 4.0f : 3.0f;
  } else {
    baisse = 12.0f;
    diviseur = 2.5f;
  }
  vitesse -= sinus(gi) / baisse * G;
  const float k = (vitesse - 6) * (vitesse - 6);
  reduit_glisse(k / diviseur * G);
}

void CJoueurCPU::Roule() {
  calcule_pente();
  gauche = Delta > 2;
  droite = Delta < -2;
  const float D = std::fabs(Delta);
  if (compteur_double_droite >= 1 && D < 20) {
    droite = true;
    gauche = false;
    compteur_double_droite--;
  } else if (compteur_double_gauche > 0 && D < 20) {
    gauche = true;
    droite = false;
    compteur_double_gauche--;
  }
  decide_pedales();
  if (ralentir) {
    ralentir = false;
    accelere = false;
  }

  const float gain = gain_pedales(accelere, freine_cpu, (acceleration + 0.005f) * pente, plafond_vitesse());
  vitesse += gain;
  applique_pente(vitesse_max * multiplicateur, true, 5.0f);

  // A stopped ship has no slide left: kept, it would hold the brake on for good (the table
  // brakes on a large slide) with the pilot reversing into whatever is behind it.
  if (vitesse > 0) {
    braque(gauche, droite, 0.1f, 3);
  } else {
    glisse = 0;
  }
  if (vitesse < 0) {
    if (vitesse < -2.0f) vitesse = -2.0f;
    reduit_glisse(0.2f);
  }
  recupere_glisse();
  angle_deplacement = angle_0_360(angle + glisse);
  tourne_selon_pente(30);
  oriente_au_sol();
  position += deplacement * vitesse;
}

void CJoueurCPU::Saute() {
  vitesse = vitesse > 0 ? vitesse * 0.995f : 0;
  gauche = Delta > 3;
  droite = Delta < -3;
  accelere = true;  // the flame burns in the air
  braque_en_l_air(gauche, droite);
  angle_deplacement = angle_0_360(angle + glisse);
  deplacement.y -= 0.05f;
  if (deplacement.y < -2.5f) deplacement.y = -2.5f;
  const int h = static_cast<int>(angle_deplacement);
  deplacement.x = sinus(h);
  deplacement.z = cosinus(h);
  position += CVector3(deplacement.x * vitesse, deplacement.y, deplacement.z * vitesse);
}

void CJoueurCPU::Finish() {
  bool vers_gauche, vers_droite;
  cap_vers_arrivee(&vers_gauche, &vers_droite);
  vitesse = vitesse > 0.02f ? vitesse * (1 - g_HasardCourse.entier(100) / 2000.0f) : 0;
  if (vitesse > 0) {
    braque(vers_gauche, vers_droite, 0.1f, 3);
  } else {
    glisse = 0;
  }
  angle_deplacement = angle_0_360(angle + glisse);
  oriente_au_sol();
  position += deplacement * vitesse;
  if (position.y > -1) position.y -= 0.1f;
}
