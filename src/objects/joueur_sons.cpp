// Engine, boost and slide loops of a ship: started paused at start-up, pitched and placed each step.
#include <cmath>

#include "audio/son.h"
#include "objects/joueur.h"

namespace {

// Plays a loop paused on a free channel at the effects volume. 1 when it could not be played.
int lance_boucle(HSon son, HCanal* canal, int* resultat, float* frequence) {
  *resultat = son_joue(g_SystemeSon, son, true, canal);
  if (*resultat != SON_OK) {
    *canal = HCanal();
    return 1;
  }
  son_canal_set_volume(*canal, VOLUME_SONS);
  if (frequence) son_canal_get_frequence(*canal, frequence);
  son_canal_set_pause(*canal, false);
  return 0;
}

// The layer takes left-handed vectors: the world's z negated.
SonVecteur gauche(CVector3 v) { return SonVecteur{v.x, v.y, -v.z}; }

}  // namespace

int CObjJoueur::SetSonMoteur(HSon son) {
  son_moteur = son;
  return lance_boucle(son, &canal_moteur, &resultat_son, &frequence_moteur);
}

int CObjJoueur::SetSonBoost(HSon son) {
  son_boost = son;
  return lance_boucle(son, &canal_boost, &resultat_son, nullptr);
}

int CObjJoueur::SetSonSlide(HSon son) {
  son_glisse = son;
  return lance_boucle(son, &canal_glisse, &resultat_son, &frequence_glisse);
}

void CObjJoueur::BeginMoteur() { son_canal_set_pause(canal_moteur, false); }
void CObjJoueur::StopMoteur() { son_canal_set_pause(canal_moteur, true); }
void CObjJoueur::BeginBoost() { son_canal_set_pause(canal_boost, false); }
void CObjJoueur::StopBoost() { son_canal_set_pause(canal_boost, true); }
void CObjJoueur::StopSlide() { son_canal_set_pause(canal_glisse, true); }

float CObjJoueur::frequence_moteur_voulue() const {
  const float v = vitesse <= 0.3f ? 0.3f : vitesse;
  return frequence_moteur * (v / vitesse_max);
}

void CObjJoueur::met_a_jour_sons() {
  const SonVecteur pos = gauche(position);
  const SonVecteur vel = gauche(deplacement * vitesse);
  if (!son_handle_vide(canal_moteur)) {
    son_canal_set_frequence(canal_moteur, frequence_moteur_voulue());
    son_canal_set_3d(canal_moteur, &pos, &vel);
  }
  if (boost == 1 && !son_handle_vide(canal_boost)) son_canal_set_3d(canal_boost, &pos, &vel);

  glisse_active_avant = glisse_active;
  glisse_active = std::fabs(glisse) > 0.2f;
  if (glisse_active != glisse_active_avant) son_canal_set_pause(canal_glisse, !glisse_active);
  if (glisse_active) {
    son_canal_set_frequence(canal_glisse, frequence_glisse * (std::fabs(glisse) / 180.0f));
    son_canal_set_3d(canal_glisse, &pos, &vel);
  }
}
