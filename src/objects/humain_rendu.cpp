// The player's ship as drawn, and its head-up display.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "common/globals.h"
#include "common/vue.h"
#include "objects/humain.h"
#include "objects/vaisseau_style.h"
#include "world/modeles.h"
#include "world/objsup.h"
#include "ui/texte3d.h"

namespace {

// Outline of a ship's shadow, as a quad strip of (x, z) pairs.
const float ombre_vaisseau[20][2] = {
    {-4.4f, -2.2f}, {-5.0f, 1.9f},  {-3.9f, -1.3f}, {-4.6f, 2.3f},  {-3.5f, -1.0f}, {-3.9f, 0.3f}, {-0.4f, -2.1f},
    {-2.35f, 1.7f}, {-0.05f, -2.8f}, {-1.1f, 4.7f}, {0.05f, -2.8f}, {1.1f, 4.7f},   {0.4f, -2.1f}, {2.35f, 1.7f},
    {3.5f, -1.0f},  {3.9f, 0.3f},   {3.9f, -1.3f},  {4.6f, 2.3f},   {4.4f, -2.2f},  {5.0f, 1.9f}};

const CObjJoueur::StyleVaisseau style_humain = {
    ombre_vaisseau, 20, false,
    {207, 38, 255, 60}, {100, 235, 253, 80}, {254, 59, 43, 128}, {200, 235, 210, 60},
    {{0.4f, 2.9f, -1.9f}, {1.1f, 3.2f, -1.9f}, {1.1f, 2.6f, -1.9f}}};

// The held bonus turns slowly beside the lap counter.
CObjSup icone_bonus;

}  // namespace

void CJoueurHumain::render(tMateriaux* materiaux) { dessine_vaisseau(materiaux, style_humain, accelere, freinage); }

void CJoueurHumain::affiche_coord(tMateriaux* materiaux, int, int minutes, int secondes, int soixantiemes) {
  // Speed gauge, in camera space.
  float aiguille = vitesse * -66.0f;
  if (aiguille > 0) aiguille = 0;
  if (vitesse > vitesse_max + 1) aiguille = (vitesse_max + 0.8f) * -66.0f;
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glTranslatef(2.1f + ecart_bord_droit(-2.0f), -1.6f, -2.0f);  // bottom right
  // The scale: an arc of radius 0.4, lit up to the needle.
  const float pas = vitesse_max * -66.0f / 11.0f;
  glPointSize(4);
  glBegin(GL_POINTS);
  for (int i = 0; i <= 11; i++) {
    const float a = pas * i;
    if (a >= aiguille) {
      glColor4ub(253, 59, 43, 250);
    } else {
      glColor4ub(60, 60, 60, 150);
    }
    const float r = static_cast<float>((a + 180.0f) * M_PI / 180.0);
    glVertex3f(0.4f * std::cos(r), 0.4f * -std::sin(r), 0);
  }
  glEnd();
  glRotatef(aiguille, 0, 0, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4ub(120, 80, 80, 20);
  glBegin(GL_TRIANGLES);
  glVertex3f(-0.5f, 0.09f, 0);
  glVertex3f(-0.5f, -0.09f, 0);
  glVertex3f(-0.15f, 0, 0);
  glEnd();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float epaisseur = boost ? 10.0f : 7.0f;
  if (boost) {
    glColor4ub(253, 59, 43, 250);
  } else {
    glColor4ub(92, 4, 14, 250);
  }
  glLineWidth(epaisseur);
  glPointSize(epaisseur);
  for (GLenum mode : {GL_LINE_LOOP, GL_POINTS}) {
    glBegin(mode);
    glVertex3f(-0.5f, 0.09f, 0);
    glVertex3f(-0.5f, -0.09f, 0);
    glVertex3f(-0.15f, 0, 0);
    glEnd();
  }
  glLineWidth(1);
  glPointSize(1);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  glPopMatrix();

  rotation_bonus++;
  if (rotation_bonus > 360) rotation_bonus = 0;
  t3DModel* icone = bonus == 1 ? &bonus_boost : (bonus == 2 ? &bonus_mine : (bonus == 3 ? &bonus_missile : nullptr));
  if (icone) {
    icone_bonus.render_obj(icone, materiaux, -4.7f + ecart_bord_gauche(-5.0f), 2.2f, -5.0f, 40, static_cast<float>(rotation_bonus), 20, 0.2f);
  }

  // Lap and rank top left, the time top right, each as far from its edge as in a 4:3 window.
  const float gauche = -3.6f + ecart_bord_gauche(-2.8f), droite = 1.8f + ecart_bord_droit(-2.8f);
  char ligne[64];
  const bool fr = LANGUAGE == 0;
  if (tour + 1 < nb_tours) {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i" : "Lap: %i/%i", tour, nb_tours);
  } else {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i Dernier !" : "Lap: %i/%i Last Lap !", tour, nb_tours);
  }
  Texte.print_spe(0, CVector3(gauche, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, fr ? "Position: %i" : "Rank: %i", classement);
  Texte.print_spe(0, CVector3(gauche, 2.1f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, "%02i:%02i:%02i", minutes, secondes, soixantiemes);
  Texte.print_spe(0, CVector3(droite, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  if (sens_interdit && !GetFinish()) {
    if (fr) {
      Texte.print_spe(2, CVector3(0, 0.5f, -2.5f), "Mauvaise direction !", false, 250, 10, 10, 128, true, 0);
    } else {
      Texte.print_spe(2, CVector3(0, 0.5f, -1.5f), "Wrong Way !", false, 250, 10, 10, 128, true, 0);
    }
  }
}
