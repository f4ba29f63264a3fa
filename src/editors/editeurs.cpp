// The loop of an editing mode: free camera, the mode's scene, its key commands, until Escape.
#include "editors/editeurs.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "editors/commandes.h"
#include "editors/rendu.h"
#include "editors/touches.h"
#include "math/frustum.h"
#include "objects/particules.h"
#include "ui/avis_fichiers.h"
#include "world/camera.h"
#include "world/decorations.h"

namespace {

void attend_relache(int k) {
  while (key[k]) rest(1);
}

// An empty list gets its first object where the camera looks; false when nothing was made.
bool premier_objet(int mode) {
  if (!touche_une_fois(KEY_INSERT)) return false;
  const CVector3 v = g_Camera.View();
  if (mode == FIN_EDITEUR_DECO && !act_deco) {
    creation_deco(v.x, v.y, v.z);
    return true;
  }
  if (mode == FIN_EDITEUR_SON && !act_effetSon) {
    creation_effetSon(v.x, v.y, v.z, 0);
    return true;
  }
  return false;
}

// The race's particles stay frozen where they were: drawn, not aged.
void dessine_particules() {
  for (CParticules* p = haut_list_partic; p; p = p->precedent) {
    if (g_Frustum.SphereInFrustum(p->position.x, p->position.y, p->position.z, p->GetRadius())) p->render();
  }
}

void pas_editeur(int mode) {
  g_Camera.Update();
  if (mode == FIN_EDITEUR_TRAJ) {
    RenderScene_traj();
    dessine_particules();
  } else if (mode == FIN_EDITEUR_DECO) {
    RenderScene_deco();
  } else {
    RenderScene_Occlu();
    Occlu_Infos();
  }
  glFlush();
  allegro_gl_flip();
  if (premier_objet(mode)) {
    touches_fin_pas();
    return;
  }
  if (mode == FIN_EDITEUR_TRAJ) CommandesTraj();
  if (mode == FIN_EDITEUR_DECO) CommandesDeco();
  if (mode == FIN_EDITEUR_SON) CommandesEffetSon();
}

}  // namespace

void prepare_editeur_effetSon() {
  // The race kept only the sound system's objects: the list comes back from the file.
  if (!charge_effetSons()) signale_effetSons_par_defaut(nb_effetSon);
  point_effetSon_actif = 0;
}

void lance_editeur(int mode) {
  if (!fin_vers_editeur(mode)) return;
  attend_relache(mode == FIN_EDITEUR_TRAJ ? KEY_F10 : mode == FIN_EDITEUR_DECO ? KEY_F11 : KEY_F12);
  if (mode == FIN_EDITEUR_SON) prepare_editeur_effetSon();
  touches_reinit();
  while (!key[KEY_ESC]) {
    if (game_time < 2) {
      rest(1);
      continue;
    }
    game_time = 0;
    pas_editeur(mode);
  }
  attend_relache(KEY_ESC);
  clear_keybuf();
  if (mode == FIN_EDITEUR_SON) Effacement_liste_effetSon();
}
