// Race scene and overlays.
#include "race/rendu_course.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include <cstdio>

#include "common/globals.h"
#include "common/vue.h"
#include "math/frustum.h"
#include "objects/bonus.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "ui/texte3d.h"
#include "world/camera.h"
#include "world/debug.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/minimap.h"
#include "world/monde.h"
#include "world/octree.h"

void debut_scene() {
  fps++;
  if (fps_count > 59) {
    fps_count -= 60;
    nb_fps = fps;
    fps = 0;
  }
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  g_Camera.Look();
  g_Frustum.CalculateFrustum();
  g_Octree.DrawOctree(&g_Octree, &g_World);
}

void dessine_objets_scene() {
  for (CObjetDeco* d = prem_list_deco; d; d = d->suivant) {
    if (g_Frustum.SphereInFrustum(d->position.x, d->position.y, d->position.z, d->GetRadius())) d->render(&g_Materiaux);
  }
  for (CObjJoueur* p : Joueurs) {
    if (p) p->render(&g_Materiaux);
  }
  for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) {
    if (g_Frustum.SphereInFrustum(b->position.x, b->position.y, b->position.z, b->GetRadius())) b->render(&g_Materiaux);
  }
}

void RenderClean() {
  debut_scene();
  dessine_objets_scene();
  avance_particules(true);
}

namespace {

void liste(float x, float y, float z, float pas, int alpha, CObjJoueur* const* pilotes, const tTemps* temps) {
  char ligne[96];
  for (int k = 0; k < NB_JOUEURS; k++) {
    CObjJoueur* p = pilotes[k];
    if (!p) continue;
    const bool podium = k < 3;
    const int r = podium ? 75 : 150, g = podium ? 150 : 75, b = 75;
    std::snprintf(ligne, sizeof ligne, "N'%2i %s", k + 1, p->GetNom());
    Texte.print_spe(0, CVector3(x, y, z), ligne, false, r, g, b, alpha, true, 1);
    if (temps) {
      std::snprintf(ligne, sizeof ligne, "- %02i:%02i:%02i", temps[k].minutes, temps[k].secondes, temps[k].soixantiemes);
      Texte.print_spe(0, CVector3(x + 3.0f, y, z), ligne, false, r, g, b, alpha, true, 1);
    }
    y -= pas;
  }
}

}  // namespace

void RenderInfos() {
  // The overlays stand in front of the scene: a wall near the camera at the edge of a wide window
  // must not hide the lists or the time.
  glClear(GL_DEPTH_BUFFER_BIT);
  if (Joueurs[JOUEUR_HUMAIN]) {
    Joueurs[JOUEUR_HUMAIN]->affiche_coord(&g_Materiaux, nb_fps, CHRONO_MINUTES, CHRONO_SECONDES, CHRONO_MILISECONDES);
  }
  g_Minimap.renderSpe(&g_Materiaux);
  // The arrivals from the left edge, the running order under the time from the right edge.
  liste(-2.9f + ecart_bord_gauche(-5.0f), 3.3f, -5.0f, 0.35f, 150, tab_arrive, tab_temps);
  liste(5.5f + ecart_bord_droit(-7.0f), 5.25f, -7.0f, 0.35f, 100, tab_classement_joueurs, nullptr);
  if (g_bDisplayNodes && Joueurs[JOUEUR_HUMAIN]) {
    g_Debug.RenderDebugLines();
    g_Octree.DrawActiveNodeOctree(&g_Octree, &g_World, Joueurs[JOUEUR_HUMAIN]->GetVectorPosition());
  }
}

void message(const char* texte) {
  const CVector3 pos(-Texte.longueur_texte(texte) / 2, 0, -2.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  g_Camera.Look();
  Texte.print_outline(0, pos, texte, 0);
  glFlush();
  allegro_gl_flip();
}
