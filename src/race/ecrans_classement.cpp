// Classification screens.
#include "race/ecrans_classement.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include <cstdio>

#include "audio/son.h"
#include "common/globals.h"
#include "common/vue.h"
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

// A table is drawn farther away, at the same place on the screen, when the window is too narrow
// for it (never in a 4:3 window).
void titre(const char* t, CVector3 p) {
  const float f = recul_pour_largeur(Texte.longueur_texte(t) / 2, p.z);
  Texte.print_spe(2, p * f, t, true, 255, 13, 0, 255, true, 0);
}

// Rows of up to three columns, each column starting DECALAGES[c] right of the row's start.
struct Tableau {
  char cases[NB_RANGS][3][64] = {};
  float decalages[3] = {0, 0, 0};
  int colonnes = 0;
  int rangs = 0;
  // The rows drawn lit: the standings' flags, or the championship hiscores' own.
  const unsigned char* lites = CLASSEMENT_LITE;

  // Widest distance from the window's centre line of a table starting at x.
  float demi_largeur(float x) const {
    float droite = x;
    for (int i = 0; i < rangs; i++) {
      for (int c = 0; c < colonnes; c++) {
        const float fin = x + decalages[c] + Texte.longueur_texte(cases[i][c]);
        if (fin > droite) droite = fin;
      }
    }
    return droite > -x ? droite : -x;
  }

  // Row i at p.y - 0.35 i; the lit rows in the title's red.
  void dessine(CVector3 p) const {
    const float f = recul_pour_largeur(demi_largeur(p.x), p.z);
    for (int i = 0; i < rangs; i++) {
      for (int c = 0; c < colonnes; c++) {
        const CVector3 q(p.x + decalages[c], p.y - 0.35f * i, p.z);
        if (lites[i]) {
          Texte.print_spe(0, q * f, cases[i][c], true, 255, 13, 0, 255, true, 0);
        } else {
          Texte.print_spe(0, q * f, cases[i][c], false, 20, 188, 186, 255, true, 0);
        }
      }
    }
  }
};

// Circles the camera round the point it looks at until a key is pressed; `textes` draws the
// table over each frame. Returns the key's scancode.
template <class Textes>
int boucle_ecran(bool musique, bool vide_touches, Textes textes) {
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
  const int touche = readkey() >> 8;
  clear_keybuf();
  if (musique) arrete_musique();
  return touche;
}

}  // namespace

bool ecran_classement_simple(bool revoir) {
  const int touche = boucle_ecran(true, false, [revoir] {
    char t[96];
    std::snprintf(t, sizeof t, texte_langue("Classement circuit %i sur %i tours", "Classification circuit %i with %i laps"),
                  LEVEL_ACTIF, NOMBRE_TOURS);
    titre(t, CVector3(0, 2, -3.5f));
    Tableau tab;
    tab.colonnes = 2;
    tab.decalages[1] = 3.5f;
    for (int i = 0; i < NB_RANGS; i++, tab.rangs++) {
      const int* r = CLASSEMENTS_POINTS[i];
      std::snprintf(tab.cases[i][0], sizeof tab.cases[i][0], "N'%2i %.31s", i + 1, CLASSEMENT_NOM[i]);
      std::snprintf(tab.cases[i][1], sizeof tab.cases[i][1], "- %02i:%02i:%02i", r[0], r[1], r[2]);
    }
    tab.dessine(CVector3(-3, 1, -4));
    if (revoir) titre(texte_langue("R : Revoir", "R : Replay"), CVector3(0, -2.6f, -4));
  });
  return revoir && touche == KEY_R;
}

void ecran_classement_course(int course) {
  boucle_ecran(false, false, [course] {
    char t[96];
    std::snprintf(t, sizeof t, texte_langue("Classement course %i sur %i tours", "Classification race %i with %i laps"),
                  course, NOMBRE_TOURS);
    titre(t, CVector3(0, 2, -3.5f));
    Tableau tab;
    tab.colonnes = 2;
    tab.decalages[1] = 3.5f;
    for (int i = 0; i < 6; i++, tab.rangs++) {
      const int* r = CLASSEMENTS_POINTS[i];
      std::snprintf(tab.cases[i][0], sizeof tab.cases[i][0], "N'%2i %.31s", i + 1, CLASSEMENT_NOM[i]);
      std::snprintf(tab.cases[i][1], sizeof tab.cases[i][1], "- %i pts - %02i:%02i:%02i", r[0], r[1], r[2], r[3]);
    }
    tab.dessine(CVector3(-4, 1, -4));
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
    Tableau tab;
    tab.colonnes = 3;
    tab.decalages[1] = 3;
    tab.decalages[2] = 6;
    tab.lites = CLASSEMENT_LITE_CHAMP;
    for (int i = 0; i < NB_RANGS; i++, tab.rangs++) {
      const int* r = CLASSEMENTS_POINTS_CHAMP[i];
      std::snprintf(tab.cases[i][0], sizeof tab.cases[i][0], "N'%2i %.31s", i + 1, CLASSEMENT_NOM_CHAMP[i]);
      std::snprintf(tab.cases[i][1], sizeof tab.cases[i][1], "- %3i points", r[3]);
      std::snprintf(tab.cases[i][2], sizeof tab.cases[i][2], "- %02i:%02i:%02i", r[0], r[1], r[2]);
    }
    tab.dessine(CVector3(-4.5f, 1, -4.5f));
  });
}
