// Base renderers: the debug cube of an object and the textured model of a ship.
#include <GL/gl.h>

#include <cstdio>

#include "common/vue.h"
#include "objects/joueur.h"
#include "ui/texte3d.h"
#include "world/objsup.h"

void Cobjet::render(tMateriaux*) {
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  for (int i = 0; i < 6; i++) {
    glColor3ub(static_cast<GLubyte>(30 * i), 0, 100);
    for (int k = 0; k < 4; k++) glVertex3fv(Vertices[Indices[i][k]]);
  }
  glEnd();
  const CVector3 decalage = contact_sol ? face_sol.normale * 1.5f : CVector3(0, 1.5f, 0);
  glTranslatef(decalage.x, decalage.y, decalage.z);
  glColor3ub(250, 10, 10);
  glBegin(GL_QUADS);
  for (const auto& face : Indices) {
    for (int k = 0; k < 4; k++) glVertex3fv(Vertices[face[k]]);
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CObjJoueur::render(tMateriaux* materiaux) {
  if (!obj3D) return;
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(rotation.x, 1, 0, 0);
  glRotatef(rotation.y, 0, 1, 0);
  glRotatef(rotation.z, 0, 0, 1);
  glScalef(echelle, echelle, echelle);
  for (const t3DObject& o : obj3D->objects) dessine_objet_3d(o, materiaux, 255);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CObjJoueur::affiche_coord(tMateriaux*, int fps_affiche, int, int, int) {
  char ligne[32];
  std::snprintf(ligne, sizeof ligne, "Fps: %i", fps_affiche);
  Texte.print(0, CVector3(-2.5f + ecart_bord_gauche(-2.0f), 1.8f, -2.0f), ligne, 0);
}
