// Drawing of the particles: flickering spark bursts and the shaded sphere and smoke puffs, and the
// drawn frame that ages them as it draws them.
#include <GL/gl.h>

#include "common/hasard.h"
#include "math/frustum.h"
#include "objects/particules.h"
#include "objects/rendu_objets.h"
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

// A spark burst: lines from the particle out to random points, fewer and smaller as it ages.
void dessine_eclats(const CParticules& p) {
  const int age = p.age;
  glPushMatrix();
  glTranslatef(p.position.x, p.position.y, p.position.z);
  const float e = age < 15 ? p.echelle : (age < 25 ? p.echelle * 0.8f : p.echelle * 0.5f);
  glScalef(e, e, e);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
  glColor4ub(static_cast<GLubyte>(p.couleur[0]), static_cast<GLubyte>(p.couleur[1]), static_cast<GLubyte>(p.couleur[2]),
             static_cast<GLubyte>(p.couleur[3]));
  glLineWidth(p.epaisseur);
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

bool visible(const CParticules& p) {
  return g_Frustum.SphereInFrustum(p.position.x, p.position.y, p.position.z, p.GetRadius());
}

}  // namespace

void dessine_particule(const CParticules& p) {
  if (auto* s = dynamic_cast<const CPartSphere*>(&p)) {
    dessine_boule(p, s->angle_rotation, 255 - 3 * p.age, 5, 5, 200 - 3 * p.age);
  } else if (auto* f = dynamic_cast<const CPartFumee*>(&p)) {
    dessine_boule(p, f->angle_rotation, 219 - 8 * p.age, 20, 20, 180 - 7 * p.age);
  } else {
    dessine_eclats(p);
  }
}

void dessine_particules() {
  for (CParticules* p = haut_list_partic; p; p = p->precedent) {
    if (visible(*p)) dessine_particule(*p);
  }
}

int avance_et_dessine_particules() {
  int morts = 0;
  CParticules* p = haut_list_partic;
  while (p) {
    CParticules* prec = p->precedent;
    if (!avance_particule(p)) {
      morts++;
    } else if (visible(*p)) {
      dessine_particule(*p);
    }
    p = prec;
  }
  return morts;
}
