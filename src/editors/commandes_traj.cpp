// Key commands of the racing-line editor.
#include <allegro.h>

#include <cstdio>

#include "editors/commandes.h"
#include "editors/touches.h"
#include "world/debug.h"
#include "world/trajectoire.h"

void CommandesTraj() {
  if (touche_une_fois(KEY_F8)) g_bDisplayNodes = !g_bDisplayNodes;
  if (touche_une_fois(KEY_INSERT)) insere_ptraj();
  if (touche_une_fois(KEY_DEL)) supprime_ptraj();
  // F2 saves on every step it is held; a refused save is said once per press.
  if (touche(KEY_F2) && !sauve_trajectoire() && touche_une_fois(KEY_F2))
    std::fprintf(stderr, "veltra: racing line not saved, %s could not be written\n", chemin_trajectoire().c_str());
  if (touche_une_fois(KEY_TAB)) {
    if (shift_tenu()) {
      ptraj_actif_precedent();
    } else {
      ptraj_actif_suivant();
    }
  }
  if (act_ptraj) {
    const float pas = shift_tenu() ? 0.2f : ctrl_tenu() ? 5.0f : 1.0f;
    float dx = 0, dy = 0, dz = 0;
    if (touche(KEY_4_PAD)) dx -= pas;
    if (touche(KEY_6_PAD)) dx += pas;
    if (touche(KEY_MINUS_PAD)) dy += pas;
    if (touche(KEY_PLUS_PAD)) dy -= pas;
    if (touche(KEY_8_PAD)) dz -= pas;
    if (touche(KEY_2_PAD)) dz += pas;
    if (dx != 0 || dy != 0 || dz != 0) deplace_ptraj(dx, dy, dz);
  }
  touches_fin_pas();
}
