// Drawing of the particles: flickering spark bursts and the shaded sphere and smoke puffs.
#include <GL/gl.h>

#include "common/hasard.h"
#include "objects/particules.h"
#include "world/listes_objets.h"

namespace {

float eclat() { return -1.0f + g_HasardDecor.entier(200) / 100.0f; }

// The model at the particle, turned about (1, 1, 1), untextured and blended, in one colour.
void dessine_boule(const CParticules& p, float angle, int r, int g, int b, int a) {
  if (!p.obj3D) return;
  glPushMatrix();
  glTranslatef(p.position.x, p.position.y, p.position.z);
  glRotatef(angle, 1, 1, 1);
  glScalef(p.echelle, p.echelle, p.echelle);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const auto octet = [](int v) { return static_cast<GLubyte>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  glColor4ub(octet(r), octet(g), octet(b), octet(a));
  for (auto o = p.obj3D->objects.rbegin(); o != p.obj3D->objects.rend(); ++o) {
    if (appelle_liste_objet(*o, false)) continue;
    glBegin(GL_TRIANGLES);
    for (const tFace& f : o->faces) {
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o->vertexCount) continue;
        glNormal3f(o->normals[v].x, o->normals[v].y, o->normals[v].z);
        glVertex3f(o->vertices[v].x, o->vertices[v].y, o->vertices[v].z);
      }
    }
    glEnd();
  }
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

}  // namespace

void CParticules::render() {
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  const float e = age < 15 ? echelle : (age < 25 ? echelle * 0.8f : echelle * 0.5f);
  glScalef(e, e, e);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
  glColor4ub(static_cast<GLubyte>(couleur[0]), static_cast<GLubyte>(couleur[1]), static_cast<GLubyte>(couleur[2]),
             static_cast<GLubyte>(couleur[3]));
  glLineWidth(epaisseur);
  // The burst thins out as it ages.
  const int traits = age < 15 ? 4 : (age < 25 ? 3 : 2);
  glBegin(GL_LINES);
  for (int i = 0; i < traits; i++) {
    glVertex3f(0, 0, 0);
    glVertex3f(eclat(), eclat(), eclat());
  }
  glEnd();
  glLineWidth(1);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CPartSphere::render() { dessine_boule(*this, angle_rotation, 255 - 3 * age, 5, 5, 200 - 3 * age); }

void CPartFumee::render() { dessine_boule(*this, angle_rotation, 219 - 8 * age, 20, 20, 180 - 7 * age); }

void dessine_particule(CParticules& p) {
  if (auto* sphere = dynamic_cast<CPartSphere*>(&p)) {
    sphere->render();
  } else if (auto* fumee = dynamic_cast<CPartFumee*>(&p)) {
    fumee->render();
  } else {
    p.render();
  }
}
