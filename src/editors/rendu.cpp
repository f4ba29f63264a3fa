// Markers, labels and panels of the editing modes.
#include "editors/rendu.h"

#include <GL/gl.h>

#include <cstdio>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "common/vue.h"
#include "math/degres.h"
#include "math/frustum.h"
#include "objects/bonus.h"
#include "objects/joueur.h"
#include "ui/texte3d.h"
#include "world/camera.h"
#include "world/debug.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/monde.h"
#include "race/rendu_course.h"
#include "world/octree.h"
#include "world/trajectoire.h"

namespace {

void cadre_commun() {
  debut_scene();
  for (CObjJoueur* p : Joueurs) {
    if (p) p->render(&g_Materiaux);
  }
}

void melange(bool oui) {
  if (oui) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  } else {
    glDisable(GL_BLEND);
  }
}

// Four chevrons 5 to 9 units out on +z, -z, -x and +x: the directions of the keypad moves.
void marqueur(bool actuel, float y = 0) {
  glDisable(GL_TEXTURE_2D);
  melange(!actuel);
  if (actuel) {
    glColor4ub(255, 41, 41, 255);
  } else {
    glColor4ub(70, 70, 70, 125);
  }
  glLineWidth(2.0f);
  static const float dir[4][2] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
  for (const auto& d : dir) {
    const float ax = d[0], az = d[1];  // outwards
    const float bx = -az, bz = ax;     // across
    glBegin(GL_LINE_STRIP);
    glVertex3f(ax * 5 + bx * 1.5f, y, az * 5 + bz * 1.5f);
    glVertex3f(ax * 9, y, az * 9);
    glVertex3f(ax * 5 - bx * 1.5f, y, az * 5 - bz * 1.5f);
    glEnd();
  }
  melange(false);
}

void cercle(float rayon, float y) {
  glBegin(GL_LINE_LOOP);
  for (int a = 0; a < 360; a += 30) glVertex3f(rayon * cosinus(a), y, rayon * sinus(a));
  glEnd();
}

void ligne(float largeur, const CVector3& a, const CVector3& b) {
  glLineWidth(largeur);
  glBegin(GL_LINES);
  glVertex3f(a.x, a.y, a.z);
  glVertex3f(b.x, b.y, b.z);
  glEnd();
}

void etiquette(float y, const char* texte) {
  glColor4ub(230, 230, 230, 255);
  Texte.world_print(0, CVector3(0, y, 0), texte, 2);
}

void point_traj(const Point_Traj* p, int index) {
  const bool actuel = p == act_ptraj;
  glPushMatrix();
  glTranslatef(p->position.x, p->position.y, p->position.z);
  marqueur(actuel);
  melange(true);
  if (!actuel) {
    glColor4ub(100, 200, 100, 125);
    glLineWidth(1.0f);
    cercle(15, 2);
  }
  glColor4ub(200, 200, 100, 125);
  glLineWidth(1.0f);
  cercle(30, 2);
  melange(false);
  if (p->bonus) {
    glColor3ub(200, 10, 200);
    ligne(1.0f, CVector3(0, 0, 0), p->bonus->position - p->position);
  }
  glColor3ub(200, 10, 10);
  ligne(0.75f, CVector3(0, 0, 0), p->normale * 10.0f);
  const Point_Traj* prec = p->precedent ? p->precedent : haut_list_ptraj;
  if (prec && prec != p) {
    glColor3ub(200, 200, 200);
    ligne(0.5f, CVector3(0, 5, 0), prec->position - p->position + CVector3(0, 5, 0));
  }
  char texte[96];
  std::snprintf(texte, sizeof texte, "C:%i Numero: %i", index, p->numero);
  etiquette(7.0f, texte);
  std::snprintf(texte, sizeof texte, "Pos x:%2.2f y:%2.2f z:%2.2f", p->position.x, p->position.y, p->position.z);
  etiquette(6.5f, texte);
  std::snprintf(texte, sizeof texte, "Longueur:%3.2f", p->longueur);
  etiquette(6.0f, texte);
  glPopMatrix();
}

void polygone(const SEffetSon* e, int index) {
  const bool actuel = e == act_effetSon;
  bool visible = false;
  for (const CVector3& s : e->sommets) {
    const CVector3 c = e->position + s;
    if (g_Frustum.SphereInFrustum(c.x, c.y, c.z, 5)) visible = true;
  }
  if (!visible) return;
  glPushMatrix();
  glTranslatef(e->position.x, e->position.y, e->position.z);
  marqueur(actuel, actuel ? e->sommets[3].y : 0);
  const CVector3* s = e->sommets;
  glColor4ub(actuel ? 255 : 120, actuel ? 120 : 120, actuel ? 60 : 160, 255);
  glLineWidth(1.0f);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < 4; i++) glVertex3f(s[i].x, s[i].y, s[i].z);
  glEnd();
  melange(true);
  glDisable(GL_CULL_FACE);
  glColor4ub(actuel ? 200 : 90, 90, actuel ? 60 : 160, 70);
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; i++) glVertex3f(s[i].x, s[i].y, s[i].z);
  glEnd();
  melange(false);
  glPointSize(8.0f);
  glBegin(GL_POINTS);
  for (int i = 0; i < 4; i++) {
    const bool loin = i == 1 || i == 2;
    const bool edite = actuel && (loin == (point_effetSon_actif == 1));
    if (edite) {
      glColor3ub(255, 41, 41);
    } else {
      glColor3ub(200, 200, 200);
    }
    glVertex3f(s[i].x, s[i].y, s[i].z);
  }
  glEnd();
  const SEffetSon* prec = e->precedent;
  if (prec) {
    glColor3ub(200, 200, 200);
    ligne(0.5f, s[3], prec->position + prec->sommets[2] - e->position);
  }
  char texte[96];
  std::snprintf(texte, sizeof texte, "C:%i Numero: %i", index, e->numero);
  etiquette(7.0f, texte);
  std::snprintf(texte, sizeof texte, "Pos x:%2.2f y:%2.2f z:%2.2f", e->position.x, e->position.y, e->position.z);
  etiquette(6.5f, texte);
  glPopMatrix();
}

void zone(const SEffetSon* e) {
  if (!g_Frustum.SphereInFrustum(e->position.x, e->position.y, e->position.z, e->max_dist / 2)) return;
  const bool actuel = e == act_effetSon;
  glPushMatrix();
  glTranslatef(e->position.x, e->position.y, e->position.z);
  marqueur(actuel);
  melange(true);
  glDepthMask(GL_FALSE);
  if (actuel) {
    DrawSphere(e->max_dist, 255, 41, 41);
  } else {
    DrawSphere(e->max_dist, 70, 70, 70);
  }
  DrawSphere(e->min_dist, 50, 50, 50);
  glDepthMask(GL_TRUE);
  melange(false);
  glPopMatrix();
}

}  // namespace

void DrawSphere(float rayon, int r, int g, int b) {
  glColor4ub(static_cast<GLubyte>(r), static_cast<GLubyte>(g), static_cast<GLubyte>(b), 128);
  glNormal3f(0, 1, 0);
  glBegin(GL_QUADS);
  for (int bande = 0; bande < 16; bande++) {
    const int t0 = bande * 12, t1 = t0 + 12;  // from the top pole
    for (int secteur = 0; secteur < 16; secteur++) {
      const int p0 = secteur * 24, p1 = p0 + 24;
      auto sommet = [rayon](int t, int p) {
        glVertex3f(rayon * sinus(t) * cosinus(p), rayon * cosinus(t), rayon * sinus(t) * sinus(p));
      };
      sommet(t0, p0);
      sommet(t1, p0);
      sommet(t1, p1);
      sommet(t0, p1);
    }
  }
  glEnd();
  glColor4ub(static_cast<GLubyte>(r), static_cast<GLubyte>(g), static_cast<GLubyte>(b), 250);
  glLineWidth(1.0f);
  for (int plan = 0; plan < 3; plan++) {
    glBegin(GL_LINE_LOOP);
    for (int a = 0; a < 360; a += 24) {
      const float c = rayon * cosinus(a), s = rayon * sinus(a);
      if (plan == 0) glVertex3f(c, 0, s);
      if (plan == 1) glVertex3f(c, s, 0);
      if (plan == 2) glVertex3f(0, c, s);
    }
    glEnd();
  }
}

void RenderScene_traj() {
  cadre_commun();
  if (g_bDisplayNodes) g_Debug.RenderDebugLines();
  for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) {
    if (g_Frustum.SphereInFrustum(b->position.x, b->position.y, b->position.z, b->GetRadius())) b->render(&g_Materiaux);
  }
  glDisable(GL_LIGHTING);
  int index = 0;
  for (const Point_Traj* p = prem_list_ptraj; p; p = p->suivant, index++) {
    if (g_Frustum.SphereInFrustum(p->position.x, p->position.y, p->position.z, 4)) point_traj(p, index);
  }
  glEnable(GL_LIGHTING);
  if (g_bDisplayNodes && Joueurs[JOUEUR_HUMAIN]) {
    g_Debug.RenderDebugLines();
    g_Octree.DrawActiveNodeOctree(&g_Octree, &g_World, Joueurs[JOUEUR_HUMAIN]->GetVectorPosition());
  }
}

void RenderScene_deco() {
  cadre_commun();
  for (CObjetDeco* d = prem_list_deco; d; d = d->suivant) {
    if (!g_Frustum.SphereInFrustum(d->position.x, d->position.y, d->position.z, d->GetRadius())) continue;
    const bool actuel = d == act_deco;
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glTranslatef(d->position.x, d->position.y, d->position.z);
    glScalef(2, 2, 2);
    marqueur(actuel);
    if (actuel) {
      glColor3ub(255, 41, 41);
      ligne(2.0f, CVector3(0, 0, 0), CVector3(0, 10, 0));
    }
    if (d->suivant) {
      glColor3ub(200, 180, 180);
      ligne(0.5f, CVector3(0, 0, 0), (d->suivant->position - d->position) * 0.25f);
    }
    glPopMatrix();
    glEnable(GL_LIGHTING);
    d->render(&g_Materiaux);
  }
  if (act_deco) AffCoord(act_deco, nb_deco);
}

void RenderScene_Occlu() {
  cadre_commun();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  int index = 0;
  for (const SEffetSon* e = prem_list_effetSon; e; e = e->suivant, index++) {
    if (e->type == EFSON_OCCLUSION) polygone(e, index);
    if (e->type == EFSON_REVERB) zone(e);
  }
  glEnable(GL_CULL_FACE);
  glEnable(GL_LIGHTING);
}

void Occlu_Infos() {
  char texte[96];
  float y = 3.0f;
  auto ligne_panneau = [&y](const char* t) {
    Texte.print(0, CVector3(-4 + ecart_bord_gauche(-3.5f), y, -3.5f), t, 0);
    y -= 0.35f;
  };
  const SEffetSon* e = act_effetSon;
  std::snprintf(texte, sizeof texte, "Occlu: %i / %i", e ? e->numero : 0, nb_effetSon);
  ligne_panneau(texte);
  if (!e) return;
  if (e->type == EFSON_REVERB) {
    std::snprintf(texte, sizeof texte, "Mindist: %3.2f", e->min_dist);
    ligne_panneau(texte);
    std::snprintf(texte, sizeof texte, "Maxdist: %3.2f", e->max_dist);
    ligne_panneau(texte);
    std::snprintf(texte, sizeof texte, "Revprop: %s", nom_preset_reverb(e->preset));
    ligne_panneau(texte);
  } else {
    std::snprintf(texte, sizeof texte, "Direct occlu: %1.2f", e->occlusion_directe);
    ligne_panneau(texte);
    std::snprintf(texte, sizeof texte, "Reverb occlu: %1.2f", e->occlusion_reverb);
    ligne_panneau(texte);
  }
}

void AffCoord(const CObjetDeco* d, int nb) {
  int rang = 1;
  for (const CObjetDeco* q = prem_list_deco; q && q != d; q = q->suivant) rang++;
  char texte[4][96];
  std::snprintf(texte[0], sizeof texte[0], "Deco: %i / %i", rang, nb);
  std::snprintf(texte[1], sizeof texte[1], "Pos x:%2.2f y:%2.2f z:%2.2f", d->position.x, d->position.y, d->position.z);
  std::snprintf(texte[2], sizeof texte[2], "Type: %i  Echelle: %1.2f", d->type, d->echelle);
  std::snprintf(texte[3], sizeof texte[3], "Angles x:%3.0f y:%3.0f z:%3.0f", d->angles.x, d->angles.y, d->angles.z);
  for (int i = 0; i < 4; i++) Texte.print(0, CVector3(-4 + ecart_bord_gauche(-3.5f), 3.0f - 0.35f * i, -3.5f), texte[i], 0);
}
