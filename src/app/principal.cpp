// Main menu.
#include "app/principal.h"

#include "app/contre_la_montre.h"
#include "audio/son.h"
#include "common/globals.h"
#include "app/parties.h"
#include "ui/menus.h"
#include "world/camera.h"

void principal() {
  const SonVecteur zero{0, 0, 0}, avant{0, 0, -1}, haut{0, 1, 0};
  son_systeme_set_auditeur(g_SystemeSon, 0, &zero, &zero, &avant, &haut);
  son_systeme_update(g_SystemeSon);
  for (;;) {
    clear_color_menu();
    g_Camera.PositionCamera(30, 10, 65, -50, 10, 35, 0, 1, 0);
    g_Camera.Look();
    CDialogue d;
    prepare_dialogue(d);
    const char** types = LANGUAGE == 0 ? tab_type_jeux_fr : tab_type_jeux;
    float y = 1.0f;
    d.AddTitre(texte_langue("Bienvenue dans Veltra", "Welcome to Veltra"), CVector3(0, y, -2), 2);
    d.AddClick(texte_langue("Jouer", "Play"), CVector3(0, y -= 0.5f, -2), 2, 10);
    d.AddChoixParMot("", CVector3(0, y -= 0.5f, -2), 2, 0, &TYPE_JEU, &NB_TYPE_JEUX, const_cast<char**>(types));
    d.AddClick("Options", CVector3(0, y -= 0.5f, -2), 2, 11);
    d.AddClick(texte_langue("Sortie", "Exit"), CVector3(0, y -= 0.5f, -2), 2, 12);
    d.OuvertureDialogueZoom();
    const int r = execute_dialogue(d);
    d.FermetureDialogueZoom();
    if (r == 10) {
      if (TYPE_JEU == 0) {
        MENU_Single_Race();
      } else if (TYPE_JEU == 2) {
        MENU_Contre_la_montre();
      } else {
        MENU_ShampionShip();
      }
    } else if (r == 11) {
      MENU_Options();
    } else {
      return;
    }
  }
}
