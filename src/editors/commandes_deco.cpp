// Key commands of the decoration editor.
#include <allegro.h>

#include <cstdio>

#include "common/globals.h"
#include "editors/commandes.h"
#include "editors/touches.h"
#include "world/decorations.h"

namespace {

// A keypad move: held by `pas` (5 with Ctrl), or once by 0.2 with Shift.
float deplacement(int moins, int plus) {
  float d = 0;
  if (shift_tenu()) {
    if (touche_une_fois(moins)) d -= 0.2f;
    if (touche_une_fois(plus)) d += 0.2f;
  } else {
    const float pas = ctrl_tenu() ? 5.0f : 1.0f;
    if (touche(moins)) d -= pas;
    if (touche(plus)) d += pas;
  }
  return d;
}

}  // namespace

void CommandesDeco() {
  if (touche_une_fois(KEY_INSERT) && act_deco) {
    CObjetDeco* modele = act_deco;
    creation_deco(modele->position.x, modele->position.y, modele->position.z);
    act_deco->type = modele->type;
    act_deco->applique_type();
    act_deco->echelle = modele->echelle;
  }
  if (touche_une_fois(KEY_DEL) && act_deco) Destruct_deco(act_deco);
  // F2 saves on every step it is held; a refused save is said once per press.
  if (touche(KEY_F2) && !sauve_deco(LEVEL_ACTIF) && touche_une_fois(KEY_F2))
    std::fprintf(stderr, "veltra: decorations not saved, %s could not be written\n", chemin_deco(LEVEL_ACTIF).c_str());
  if (touche_une_fois(KEY_TAB) && act_deco) {
    if (shift_tenu()) {
      act_deco = act_deco->precedent ? act_deco->precedent : haut_list_deco;
    } else {
      act_deco = act_deco->suivant ? act_deco->suivant : prem_list_deco;
    }
  }
  CObjetDeco* d = act_deco;
  if (!d) {
    touches_fin_pas();
    return;
  }
  d->DeplX(deplacement(KEY_4_PAD, KEY_6_PAD));
  d->DeplY(deplacement(KEY_3_PAD, KEY_9_PAD));
  d->DeplZ(deplacement(KEY_8_PAD, KEY_2_PAD));
  if (touche_une_fois(KEY_MINUS_PAD)) d->DeplY(0.2f);
  if (touche_une_fois(KEY_PLUS_PAD)) d->DeplY(-0.2f);
  const float sens = shift_tenu() ? 1.0f : -1.0f;
  if (touche(KEY_U)) d->ModifAngX(sens);
  if (touche(KEY_Y)) d->ModifAngY(sens);
  if (touche(KEY_G)) d->ModifAngZ(sens);
  if (touche(KEY_S)) d->ModifEchelle(shift_tenu() ? -0.01f : 0.01f);
  const int type = d->type;
  if (touche_une_fois(KEY_F5)) d->type = d->type <= 1 ? 9 : d->type - 1;
  if (touche_une_fois(KEY_F6)) d->type = d->type >= 9 ? 1 : d->type + 1;
  if (d->type != type) d->applique_type();
  touches_fin_pas();
}
