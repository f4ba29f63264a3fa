// The shape of the view for the window's size.
#include "common/vue.h"

#include <allegro.h>

#include <cmath>
#include <cstdio>

#include "common/globals.h"

namespace {
constexpr double DEMI_LARGEUR_4_3 = 1.33;
}  // namespace

double demi_largeur_vue(int largeur, int hauteur) {
  if (largeur <= 0 || hauteur <= 0) return DEMI_LARGEUR_4_3;
  if (static_cast<long>(largeur) * 3 == static_cast<long>(hauteur) * 4) return DEMI_LARGEUR_4_3;
  return static_cast<double>(largeur) / hauteur;
}

double demi_largeur_vue() { return demi_largeur_vue(SCREEN_WIDTH, SCREEN_HEIGHT); }

float ecart_bord_droit(float z) { return static_cast<float>(demi_largeur_vue() - DEMI_LARGEUR_4_3) * std::fabs(z); }

float decalage_image_gauche() { return static_cast<float>(DEMI_LARGEUR_4_3 / demi_largeur_vue() - 1.0); }

float recul_pour_largeur(float demi_largeur, float z, float marge) {
  const float place = marge * static_cast<float>(demi_largeur_vue()) * std::fabs(z);
  if (place <= 0 || demi_largeur <= place) return 1.0f;
  return demi_largeur / place;
}

bool taille_de_resol(int resol, int* largeur, int* hauteur) {
  if (resol < 0 || resol >= RESOL_BUREAU || resol == RESOL_USER) return false;
  // A listed size is read from its label, "WxH".
  int l = 0, h = 0;
  char reste = 0;
  if (std::sscanf(tab_resol[resol], "%dx%d%c", &l, &h, &reste) != 2) return false;
  *largeur = l;
  *hauteur = h;
  return true;
}

bool taille_bureau(int* largeur, int* hauteur) {
  int l = 0, h = 0;
  if (get_desktop_resolution(&l, &h) != 0 || l < 320 || h < 200) return false;
  *largeur = l;
  *hauteur = h;
  return true;
}
