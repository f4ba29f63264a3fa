// Drawing of a pilot's ship, shared by both pilot kinds: shadow, hull, reactor flame with the
// boost sparks, brake lights.
#include <GL/gl.h>

#include <cmath>

#include "common/hasard.h"
#include "objects/particules.h"
#include "objects/vaisseau_style.h"

namespace {

float degres_inclinaison(float c) {
  c = c > 1 ? 1 : (c < -1 ? -1 : c);
  return static_cast<float>(static_cast<int>(std::asin(c) * 57.2957));
}

// Tilts the drawing to a ground normal, then turns it to the heading.
void incline(CVector3 n, float cap) {
  const Inclinaison i = inclinaison_sol(n);
  glRotatef(i.autour_z, 0, 0, 1);
  glRotatef(i.autour_x, 1, 0, 0);
  glRotatef(cap, 0, 1, 0);
}

void rapproche(float& v, float cible, float pas) {
  if (v < cible - pas) {
    v += pas;
  } else if (v > cible + pas) {
    v -= pas;
  } else {
    v = cible;
  }
}

void couleur(const unsigned char c[4]) { glColor4ub(c[0], c[1], c[2], c[3]); }

float eclat() { return -1.0f + g_HasardDecor.entier(200) / 100.0f; }

}  // namespace

// The turn about z takes up (0, 1, 0) to (-sin z, cos z, 0): asin(-n.x) brings its x onto n.x.
Inclinaison inclinaison_sol(CVector3 n) { return {degres_inclinaison(-n.x), degres_inclinaison(n.z)}; }

void CObjJoueur::dessine_vaisseau(tMateriaux* materiaux, const StyleVaisseau& style, bool flamme, bool feux) {
  SFace_contact& f = face_sol;
  rapproche(f.normale_affichee.x, f.normale.x, 0.05f);
  rapproche(f.normale_affichee.z, f.normale.z, 0.05f);

  // Shadow.
  glPushMatrix();
  glTranslatef(face_ombre.point.x, face_ombre.point.y, face_ombre.point.z);
  incline(face_ombre.normale, angle);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4ub(20, 20, 20, 100);
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i < style.nb_ombre; i++) glVertex3f(style.ombre[i][0], 0.3f, style.ombre[i][1]);
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glPopMatrix();

  // Hull.
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  incline(f.normale_affichee, angle);
  const CVector3 p = position;
  position = CVector3(0, 0, 0);
  CObjJoueur::render(style.coque_blanche ? nullptr : materiaux);
  position = p;

  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  if (flamme) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBegin(GL_TRIANGLE_FAN);
    couleur(boost ? style.pointe_boost : style.pointe);
    glVertex3f(0, 1.75f, -2.3f - vitesse);
    couleur(boost ? style.base_boost : style.base);
    glVertex3f(-0.7f, 1.5f, -2.3f);
    glVertex3f(0, 2.0f, -2.3f);
    glVertex3f(0.7f, 1.5f, -2.3f);
    glEnd();
  }
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (feux) {
    glColor4ub(230, 43, 43, 200);
  } else {
    glColor4ub(20, 20, 20, 180);
  }
  glBegin(GL_TRIANGLES);
  for (float cote : {1.0f, -1.0f}) {
    for (const auto& v : style.feu) glVertex3f(v[0] * cote, v[1], v[2]);
  }
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();

  // Sparks behind a boosting ship, two per frame.
  if (boost) {
    for (int i = 0; i < 2; i++)
      creation_partic(PARTIC_ETINCELLE_BOOST, position.x + eclat(), position.y + eclat(), position.z + eclat());
  }
}
