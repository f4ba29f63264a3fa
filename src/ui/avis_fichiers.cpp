// Message boxes about the game's files, and the dialog of a race that cannot start.
#include "ui/avis_fichiers.h"

#include <allegro.h>

#include <cstdio>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "ui/dialogue.h"
#include "ui/menus.h"
#include "world/decorations.h"

namespace {

// Without the graphics library up the loader's line on the standard error says it already.
void boite(const char* texte) {
  if (system_driver && system_driver->id != SYSTEM_NONE) allegro_message("%s", texte);
}

void attend_touche() {
  if (keyboard_driver) readkey();
}

}  // namespace

bool signale_modeles(const tRapports3DS& rapports) {
  for (const tRapport3DS& r : rapports) {
    if (r.version_recente) boite(AVERTISSEMENT_VERSION_3DS);
    const std::string texte = message_import_3ds(r.resultat, r.chemin.c_str());
    if (texte.empty()) continue;
    boite(texte.c_str());
    attend_touche();
    if (r.resultat == IMPORT_ABSENT) return false;
  }
  return true;
}

void signale_deco_par_defaut(int n) { allegro_message("creation de %i objet deco", n); }

void signale_effetSons_par_defaut(int n) { allegro_message("creation de %i point(s) occlu", n); }

void dialogue_course_impossible(int circuit) {
  char ligne[96];
  std::snprintf(ligne, sizeof ligne,
                texte_langue("Trajectoire du circuit %i absente ou incomplete", "Racing line of circuit %i missing or incomplete"),
                circuit);
  CDialogue d;
  prepare_dialogue(d);
  d.AddTitre(texte_langue("Course impossible !", "Race cannot start !"), CVector3(0, 0.5f, -2), 2);
  // Farther away, so that the long line fits the narrowest window.
  d.AddTitre(ligne, CVector3(0, 0, -4), 2);
  d.AddClick("OK", CVector3(0, -0.6f, -2), 2, 1);
  clear_color_menu();
  d.OuvertureDialogueZoom();
  execute_dialogue(d);
  d.FermetureDialogueZoom();
}
