// Joystick set-up: centre the stick, then pick the action, accelerate and brake buttons.
#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "common/globals.h"
#include "common/vue.h"
#include "ui/controle.h"
#include "ui/menus.h"
#include "ui/texte3d.h"

namespace {

// One screen: the dialog, then its lines from (-0.7, 0.3, -2.5), 0.4 apart.
void ecran(CDialogue& d, const char* const* lignes, int nb) {
  efface_ecran_dialogue();
  d.DoDialogue();
  for (int i = 0; i < nb; i++) Texte.print(0, CVector3(-0.7f, 0.3f - 0.4f * i, -2.5f), lignes[i], 0);
  presente_ecran_dialogue();
}

// Waits for a button other than `sauf1` and `sauf2` to be pressed and released.
int attend_bouton(int sauf1, int sauf2) {
  for (;;) {
    for (int b = 0; b < joy[0].num_buttons && b < MAX_JOYSTICK_BUTTONS; b++) {
      poll_joystick();
      if (!joy[0].button[b].b || b == sauf1 || b == sauf2) continue;
      while (joy[0].button[b].b) {
        poll_joystick();
        rest(1);
      }
      return b;
    }
    rest(1);
  }
}

// The error line, centred a little below the middle. At the dialog's depth a long line was wider
// than an 800-pixel window and lost its first and last letters: a line that would not fit is
// drawn farther away, smaller, at the same place on screen.
void affiche_erreur(const char* texte) {
  // Nine tenths of the half-width seen at depth 1 (1.2 in a 4:3 window).
  const float demi_vue = 1.2f * static_cast<float>(demi_largeur_vue() / 1.33);
  const float profondeur = std::max(2.0f, Texte.longueur_texte(texte) / 2 / demi_vue);
  Texte.print(2, CVector3(0, -0.25f * profondeur, -profondeur), texte, 0);
}

const char* nom_bouton(int b) {
  return (b >= 0 && b < joy[0].num_buttons && joy[0].button[b].name) ? joy[0].button[b].name : "?";
}

}  // namespace

int MENU_config_control_joystick() {
  CDialogue d;
  prepare_dialogue(d);
  d.AddClick("Exit", CVector3(0, -1.5f, -2), 2, 1);
  clear_color_menu();
  d.OuvertureDialogueZoom();
  if (JOYSTICK_ACTIF) remove_joystick();

  efface_ecran_dialogue();
  d.DoDialogue();
  Texte.print(2, CVector3(0, 0.3f, -2), texte_langue("Centrer le joystick", "Center the joystick"), 0);
  Texte.print(2, CVector3(0, -0.1f, -2), texte_langue("et frappez une touche.", "and press a key."), 0);
  presente_ecran_dialogue();
  clear_keybuf();
  readkey();

  const char* erreur = nullptr;
  if (install_joystick(JOY_TYPE_AUTODETECT) != 0) {
    erreur = texte_langue("Erreur dans l'initialisation du joystick !", "Error initialising joystick !");
  } else if (num_joysticks == 0) {
    erreur = texte_langue("Erreur: joystick non trouve !", "Error: joystick not found !");
  }
  if (erreur) {
    efface_ecran_dialogue();
    d.DoDialogue();
    affiche_erreur(erreur);
    presente_ecran_dialogue();
    JOYSTICK_ACTIF = 0;
    // The error stays until a key: a twentieth of a second was too short to read it.
    clear_keybuf();
    readkey();
    d.FermetureDialogueZoom();
    return 0;
  }
  JOYSTICK_ACTIF = 1;

  char action[64], accel[64], frein[64];
  const char* l1[] = {texte_langue("Choisir bouton d'Action :", "Choose Action button :")};
  ecran(d, l1, 1);
  BOUTON_JS_SHOOT = attend_bouton(-1, -1);
  std::snprintf(action, sizeof action, "Action : %s", nom_bouton(BOUTON_JS_SHOOT));
  const char* l2[] = {action, texte_langue("Choisir bouton d'acceleration :", "Choose accel button :")};
  ecran(d, l2, 2);
  BOUTON_JS_SPE = attend_bouton(BOUTON_JS_SHOOT, -1);
  std::snprintf(accel, sizeof accel, "Accel : %s", nom_bouton(BOUTON_JS_SPE));
  const char* l3[] = {action, accel, texte_langue("Choisir bouton de frein :", "Choose brake button :")};
  ecran(d, l3, 3);
  BOUTON_JS_SPE_1 = attend_bouton(BOUTON_JS_SHOOT, BOUTON_JS_SPE);
  std::snprintf(frein, sizeof frein, LANGUAGE == 0 ? "Frein : %s" : "Brake : %s", nom_bouton(BOUTON_JS_SPE_1));
  const char* l4[] = {action, accel, frein};
  efface_ecran_dialogue();
  d.DoDialogue();
  for (int i = 0; i < 3; i++) Texte.print(0, CVector3(-0.7f, 0.3f - 0.4f * i, -2.5f), l4[i], 0);
  Texte.print(0, CVector3(0.0f, 0.3f - 0.4f * 3, -2.5f), texte_langue("OK !", "Ready !"), 0);
  presente_ecran_dialogue();
  clear_keybuf();
  readkey();
  d.FermetureDialogueZoom();

  save_joystick_data(nullptr);
  set_config_int("Control_js", "shoot", BOUTON_JS_SHOOT);
  set_config_int("Control_js", "spe", BOUTON_JS_SPE);
  set_config_int("Control_js", "spe_1", BOUTON_JS_SPE_1);
  if (!controle || controle->GetType() == 1) {
    delete controle;
    controle = new Cjoystick;
  }
  applique_boutons_joystick(controle);
  return 1;
}
