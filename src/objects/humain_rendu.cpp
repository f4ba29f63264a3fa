// The player's head-up display.
#include <GL/gl.h>

#include <cstdio>

#include "common/globals.h"
#include "common/vue.h"
#include "objects/humain.h"
#include "objects/jauge.h"
#include "objects/rendu_objets.h"
#include "world/modeles.h"
#include "world/objsup.h"
#include "ui/texte3d.h"

namespace {

// The held bonus turns slowly beside the lap counter.
CObjSup icone_bonus;

}  // namespace

void affiche_tableau_de_bord(CJoueurHumain& j, tMateriaux* materiaux, int minutes, int secondes, int soixantiemes) {
  // Speed gauge, in camera space, in the bottom-right corner of the view.
  const float aiguille = angle_aiguille(j.vitesse, j.vitesse_max);
  PointJauge coins[3];
  aiguille_jauge(aiguille, coins);
  float projection[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  const PointJauge centre = centre_jauge(projection);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glTranslatef(centre.x, centre.y, -PROFONDEUR_JAUGE);
  // The scale, lit up to the needle.
  glPointSize(4);
  glBegin(GL_POINTS);
  for (int k = 0; k < NB_GRADUATIONS; k++) {
    if (graduation_allumee(k, j.vitesse_max, aiguille)) {
      glColor4ub(253, 59, 43, 250);
    } else {
      glColor4ub(60, 60, 60, 150);
    }
    const PointJauge g = graduation(k, j.vitesse_max);
    glVertex3f(g.x, g.y, 0);
  }
  glEnd();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4ub(120, 80, 80, 20);
  glBegin(GL_TRIANGLES);
  for (const PointJauge& c : coins) glVertex3f(c.x, c.y, 0);
  glEnd();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float epaisseur = j.boost ? 10.0f : 7.0f;
  if (j.boost) {
    glColor4ub(253, 59, 43, 250);
  } else {
    glColor4ub(92, 4, 14, 250);
  }
  glLineWidth(epaisseur);
  glPointSize(epaisseur);
  for (GLenum mode : {GL_LINE_LOOP, GL_POINTS}) {
    glBegin(mode);
    for (const PointJauge& c : coins) glVertex3f(c.x, c.y, 0);
    glEnd();
  }
  glLineWidth(1);
  glPointSize(1);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  glPopMatrix();

  j.rotation_bonus++;
  if (j.rotation_bonus > 360) j.rotation_bonus = 0;
  t3DModel* icone =
      j.bonus == 1 ? &bonus_boost : (j.bonus == 2 ? &bonus_mine : (j.bonus == 3 ? &bonus_missile : nullptr));
  if (icone) {
    icone_bonus.render_obj(icone, materiaux, -4.7f + ecart_bord_gauche(-5.0f), 2.2f, -5.0f, 40,
                           static_cast<float>(j.rotation_bonus), 20, 0.2f);
  }

  // Lap and rank top left, the time top right, each as far from its edge as in a 4:3 window.
  const float gauche = -3.6f + ecart_bord_gauche(-2.8f), droite = 1.8f + ecart_bord_droit(-2.8f);
  char ligne[64];
  const bool fr = LANGUAGE == 0;
  if (j.tour + 1 < j.nb_tours) {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i" : "Lap: %i/%i", j.tour, j.nb_tours);
  } else {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i Dernier !" : "Lap: %i/%i Last Lap !", j.tour, j.nb_tours);
  }
  Texte.print_spe(0, CVector3(gauche, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, fr ? "Position: %i" : "Rank: %i", j.classement);
  Texte.print_spe(0, CVector3(gauche, 2.1f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, "%02i:%02i:%02i", minutes, secondes, soixantiemes);
  Texte.print_spe(0, CVector3(droite, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  if (j.sens_interdit && !j.GetFinish()) {
    if (fr) {
      Texte.print_spe(2, CVector3(0, 0.5f, -2.5f), "Mauvaise direction !", false, 250, 10, 10, 128, true, 0);
    } else {
      Texte.print_spe(2, CVector3(0, 0.5f, -1.5f), "Wrong Way !", false, 250, 10, 10, 128, true, 0);
    }
  }
}
