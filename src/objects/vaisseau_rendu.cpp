// Drawing of the pilots' ships, in the style of each kind: shadow, hull, reactor flame with the
// boost sparks, brake lights.
#include <GL/gl.h>

#include "common/hasard.h"
#include "objects/cpu.h"
#include "objects/humain.h"
#include "objects/inclinaison.h"
#include "objects/particules.h"
#include "objects/rendu_objets.h"
#include "world/objsup.h"

namespace {

// What differs between the ships of the two pilot kinds.
struct StyleVaisseau {
  const float (*ombre)[2];   // shadow outline, a quad strip of (x, z) pairs
  int nb_ombre;
  bool coque_blanche;        // untextured objects in white instead of their material colour
  unsigned char pointe[4], base[4];              // reactor flame
  unsigned char pointe_boost[4], base_boost[4];  // the same while boosting
  float feu[3][3];           // right brake light; the left one mirrors it in x
};

// Outline of the player's ship's shadow.
const float ombre_humain[20][2] = {
    {-4.4f, -2.2f}, {-5.0f, 1.9f},  {-3.9f, -1.3f}, {-4.6f, 2.3f},  {-3.5f, -1.0f}, {-3.9f, 0.3f}, {-0.4f, -2.1f},
    {-2.35f, 1.7f}, {-0.05f, -2.8f}, {-1.1f, 4.7f}, {0.05f, -2.8f}, {1.1f, 4.7f},   {0.4f, -2.1f}, {2.35f, 1.7f},
    {3.5f, -1.0f},  {3.9f, 0.3f},   {3.9f, -1.3f},  {4.6f, 2.3f},   {4.4f, -2.2f},  {5.0f, 1.9f}};

const StyleVaisseau style_humain = {
    ombre_humain, 20, false,
    {207, 38, 255, 60}, {100, 235, 253, 80}, {254, 59, 43, 128}, {200, 235, 210, 60},
    {{0.4f, 2.9f, -1.9f}, {1.1f, 3.2f, -1.9f}, {1.1f, 2.6f, -1.9f}}};

const float ombre_cpu[16][2] = {{-4.9f, -1.1f}, {-4.7f, 1.1f},  {-3.0f, -2.5f}, {-2.7f, 1.1f},
                                {-0.5f, -2.2f}, {-1.7f, 3.2f},  {-0.16f, -3.3f}, {-0.35f, 3.7f},
                                {0.16f, -3.3f}, {0.35f, 3.7f},  {0.5f, -2.2f},  {1.7f, 3.2f},
                                {3.0f, -2.5f},  {2.7f, 1.1f},   {4.9f, -1.1f},  {4.7f, 1.1f}};

const StyleVaisseau style_cpu = {
    ombre_cpu, 16, true,
    {207, 38, 255, 60}, {100, 235, 253, 80}, {254, 40, 30, 128}, {200, 188, 168, 60},
    {{0.4f, 3.4f, -2.3f}, {1.1f, 3.7f, -2.3f}, {1.1f, 3.1f, -2.3f}}};

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

// The ship's model at `ou`, turned and scaled as the pilot is.
void dessine_coque(const CObjJoueur& j, CVector3 ou, tMateriaux* materiaux) {
  if (!j.obj3D) return;
  glPushMatrix();
  glTranslatef(ou.x, ou.y, ou.z);
  glRotatef(j.rotation.x, 1, 0, 0);
  glRotatef(j.rotation.y, 0, 1, 0);
  glRotatef(j.rotation.z, 0, 0, 1);
  glScalef(j.echelle, j.echelle, j.echelle);
  for (const t3DObject& o : j.obj3D->objects) dessine_objet_3d(o, materiaux, 255);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

// The hull, its shadow, the reactor flame (with sparks while boosting) and the brake lights.
void dessine_vaisseau(CObjJoueur& j, tMateriaux* materiaux, const StyleVaisseau& style, bool flamme, bool feux) {
  const CVector3 position = j.position;
  SFace_contact& f = j.face_sol;
  const SFace_contact& face_ombre = j.face_ombre;
  rapproche(f.normale_affichee.x, f.normale.x, 0.05f);
  rapproche(f.normale_affichee.z, f.normale.z, 0.05f);

  // Shadow.
  glPushMatrix();
  glTranslatef(face_ombre.point.x, face_ombre.point.y, face_ombre.point.z);
  incline(face_ombre.normale, j.angle);
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
  incline(f.normale_affichee, j.angle);
  dessine_coque(j, CVector3(0, 0, 0), style.coque_blanche ? nullptr : materiaux);

  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  if (flamme) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBegin(GL_TRIANGLE_FAN);
    couleur(j.boost ? style.pointe_boost : style.pointe);
    glVertex3f(0, 1.75f, -2.3f - j.vitesse);
    couleur(j.boost ? style.base_boost : style.base);
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
  if (j.boost) {
    for (int i = 0; i < 2; i++)
      creation_partic(PARTIC_ETINCELLE_BOOST, position.x + eclat(), position.y + eclat(), position.z + eclat());
  }
}

}  // namespace

void dessine_pilote(CObjJoueur& p, tMateriaux* materiaux) {
  if (auto* h = dynamic_cast<CJoueurHumain*>(&p)) {
    dessine_vaisseau(p, materiaux, style_humain, h->accelere, h->freinage);
  } else if (auto* c = dynamic_cast<CJoueurCPU*>(&p)) {
    dessine_vaisseau(p, materiaux, style_cpu, c->accelere, c->freine_cpu);
  } else {
    dessine_coque(p, p.position, materiaux);
  }
}
