// Classification screens.
#include "race/ecrans_classement.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include <cstdio>

#include "audio/son.h"
#include "common/globals.h"
#include "race/hiscores.h"
#include "race/rendu_course.h"
#include "ui/texte3d.h"
#include "world/camera.h"

namespace {

void demarre_musique() {
  son_cree_flux(g_SystemeSon, FICHIER_MUSIQUE, SON_MODE_BOUCLE, &SON_MUSIQUE);  // music loops for the whole race
  if (son_joue(g_SystemeSon, SON_MUSIQUE, true, &channel_SON_MUSIQUE) == SON_OK) {
    son_canal_set_volume(channel_SON_MUSIQUE, VOLUME_MUSIQUE);
    son_canal_set_pause(channel_SON_MUSIQUE, false);
  }
}

void arrete_musique() {
  if (!son_handle_vide(channel_SON_MUSIQUE)) son_canal_stop(channel_SON_MUSIQUE);
  if (!son_handle_vide(SON_MUSIQUE)) son_son_libere(SON_MUSIQUE);
  channel_SON_MUSIQUE = HCanal();
  SON_MUSIQUE = HSon();
}

void titre(const char* t, CVector3 p) { Texte.print_spe(2, p, t, true, 255, 13, 0, 255, true, 0); }

void rangee(const char* t, CVector3 p, bool lite) {
  if (lite) {
    Texte.print_spe(0, p, t, true, 255, 13, 0, 255, true, 0);
  } else {
    Texte.print_spe(0, p, t, false, 20, 188, 186, 255, true, 0);
  }
}

// Circles the camera round the point it looks at until a key is pressed; `textes` draws the
// table over each frame.
template <class Textes>
void boucle_ecran(bool musique, bool vide_touches, Textes textes) {
  const CVector3 v = g_Camera.View();
  CVector3 d = g_Camera.Position() - v;
  if (musique) demarre_musique();
  if (vide_touches) clear_keybuf();
  while (!keypressed()) {
    if (game_time <= 1) {
      rest(1);
      continue;
    }
    game_time = 0;
    d = Rot_axe_Y(d, 1);
    g_Camera.SuitPoints(v + d, v);
    RenderClean();
    // The table stays readable when the circling camera passes close to a wall.
    glClear(GL_DEPTH_BUFFER_BIT);
    textes();
    glFlush();
    allegro_gl_flip();
  }
  clear_keybuf();
  if (musique) arrete_musique();
}

}  // namespace

void ecran_classement_simple() {
  boucle_ecran(true, false, [] {
    char t[96];
    std::snprintf(t, sizeof t, texte_langue("Classement circuit %i sur %i tours", "Classification circuit %i with %i laps"),
                  LEVEL_ACTIF, NOMBRE_TOURS);
    titre(t, CVector3(0, 2, -3.5f));
    for (int i = 0; i < NB_RANGS; i++) {
      const CVector3 p(-3, 1 - 0.35f * i, -4);
      const int* r = CLASSEMENTS_POINTS[i];
      std::snprintf(t, sizeof t, "N'%2i %.31s", i + 1, CLASSEMENT_NOM[i]);
      rangee(t, p, CLASSEMENT_LITE[i]);
      std::snprintf(t, sizeof t, "- %02i:%02i:%02i", r[0], r[1], r[2]);
      rangee(t, CVector3(p.x + 3.5f, p.y, p.z), CLASSEMENT_LITE[i]);
    }
  });
}

void ecran_classement_course(int course) {
  boucle_ecran(false, false, [course] {
    char t[96];
    std::snprintf(t, sizeof t, texte_langue("Classement course %i sur %i tours", "Classification race %i with %i laps"),
                  course, NOMBRE_TOURS);
    titre(t, CVector3(0, 2, -3.5f));
    for (int i = 0; i < 6; i++) {
      const CVector3 p(-4, 1 - 0.35f * i, -4);
      const int* r = CLASSEMENTS_POINTS[i];
      std::snprintf(t, sizeof t, "N'%2i %.31s", i + 1, CLASSEMENT_NOM[i]);
      rangee(t, p, CLASSEMENT_LITE[i]);
      std::snprintf(t, sizeof t, "- %i pts - %02i:%02i:%02i", r[0], r[1], r[2], r[3]);
      rangee(t, CVector3(p.x + 3.5f, p.y, p.z), CLASSEMENT_LITE[i]);
    }
  });
}

void ecran_classement_championnat() {
  boucle_ecran(true, true, [] {
    char t[96];
    std::snprintf(t, sizeof t, texte_langue("Classement championnat %i", "Classification championship %i"),
                  CHAMPIONNAT_ACTIF);
    titre(t, CVector3(0, 2, -3));
    std::snprintf(t, sizeof t, texte_langue("sur %i tours", "with %i laps"), NOMBRE_TOURS);
    titre(t, CVector3(0, 1.5f, -3));
    for (int i = 0; i < NB_RANGS; i++) {
      const CVector3 p(-4.5f, 1 - 0.35f * i, -4.5f);
      const int* r = CLASSEMENTS_POINTS_CHAMP[i];
      std::snprintf(t, sizeof t, "N'%2i %.31s", i + 1, CLASSEMENT_NOM_CHAMP[i]);
      rangee(t, p, CLASSEMENT_LITE_CHAMP[i]);
      std::snprintf(t, sizeof t, "- %3i points", r[3]);
      rangee(t, CVector3(p.x + 3, p.y, p.z), CLASSEMENT_LITE_CHAMP[i]);
      std::snprintf(t, sizeof t, "- %02i:%02i:%02i", r[0], r[1], r[2]);
      rangee(t, CVector3(p.x + 6, p.y, p.z), CLASSEMENT_LITE_CHAMP[i]);
    }
  });
}
