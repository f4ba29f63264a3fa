// Joystick set-up: centre the stick, then pick the action, accelerate and brake buttons. Escape
// leaves it at any of those waits with the controls as they were.
#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "common/globals.h"
#include "common/vue.h"
#include "ui/controle.h"
#include "ui/menus.h"
#include "ui/texte3d.h"

namespace {

// Under every screen that waits for the player: Escape leaves the set-up.
void indication_sortie() {
  Texte.print(2, CVector3(0, -0.9f, -2.5f), texte_langue("Echap : annuler", "Escape : cancel"), 0);
}

// One screen: the dialog, then its lines from (-0.7, 0.3, -2.5), 0.4 apart.
void ecran(CDialogue& d, const char* const* lignes, int nb) {
  efface_ecran_dialogue();
  d.DoDialogue();
  for (int i = 0; i < nb; i++) Texte.print(0, CVector3(-0.7f, 0.3f - 0.4f * i, -2.5f), lignes[i], 0);
  indication_sortie();
  presente_ecran_dialogue();
}

// Waits for a key with an empty buffer; true when it was Escape.
bool attend_touche() {
  clear_keybuf();
  return (readkey() >> 8) == KEY_ESC;
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

// Shows a line of the set-up's end until a key, and closes the dialog.
void termine_sur(CDialogue& d, const char* texte) {
  efface_ecran_dialogue();
  d.DoDialogue();
  affiche_erreur(texte);
  presente_ecran_dialogue();
  while (key[KEY_ESC]) rest(1);  // the Escape that cancelled is not the key that goes on
  attend_touche();
  d.FermetureDialogueZoom();
}

// Escape: the set-up leaves things as it found them. A joystick in use gets its driver and saved
// calibration back; the buttons and the controller were never touched.
int annule(CDialogue& d, bool joystick_avant) {
  remove_joystick();
  JOYSTICK_ACTIF = joystick_avant && load_joystick_data(nullptr) == 0;
  termine_sur(d, texte_langue("Annule, controles inchanges !", "Cancelled, controls unchanged !"));
  return 0;
}

}  // namespace

int MENU_config_control_joystick() {
  CDialogue d;
  prepare_dialogue(d);
  d.AddClick("Exit", CVector3(0, -1.5f, -2), 2, 1);
  clear_color_menu();
  d.OuvertureDialogueZoom();
  const bool joystick_avant = JOYSTICK_ACTIF;
  if (JOYSTICK_ACTIF) remove_joystick();

  efface_ecran_dialogue();
  d.DoDialogue();
  Texte.print(2, CVector3(0, 0.3f, -2), texte_langue("Centrer le joystick", "Center the joystick"), 0);
  Texte.print(2, CVector3(0, -0.1f, -2), texte_langue("et frappez une touche.", "and press a key."), 0);
  indication_sortie();
  presente_ecran_dialogue();
  if (attend_touche()) return annule(d, joystick_avant);

  const char* erreur = nullptr;
  if (install_joystick(JOY_TYPE_AUTODETECT) != 0) {
    erreur = texte_langue("Erreur dans l'initialisation du joystick !", "Error initialising joystick !");
  } else if (num_joysticks == 0) {
    erreur = texte_langue("Erreur: joystick non trouve !", "Error: joystick not found !");
  }
  if (erreur) {
    JOYSTICK_ACTIF = 0;
    // The error stays until a key: a twentieth of a second was too short to read it.
    termine_sur(d, erreur);
    return 0;
  }
  JOYSTICK_ACTIF = 1;

  // The choices become the settings only once all three are made.
  char action[64], accel[64], frein[64];
  const char* l1[] = {texte_langue("Choisir bouton d'Action :", "Choose Action button :")};
  ecran(d, l1, 1);
  const int shoot = attend_bouton_joystick(-1, -1);
  if (shoot < 0) return annule(d, joystick_avant);
  std::snprintf(action, sizeof action, "Action : %s", nom_bouton(shoot));
  const char* l2[] = {action, texte_langue("Choisir bouton d'acceleration :", "Choose accel button :")};
  ecran(d, l2, 2);
  const int spe = attend_bouton_joystick(shoot, -1);
  if (spe < 0) return annule(d, joystick_avant);
  std::snprintf(accel, sizeof accel, "Accel : %s", nom_bouton(spe));
  const char* l3[] = {action, accel, texte_langue("Choisir bouton de frein :", "Choose brake button :")};
  ecran(d, l3, 3);
  const int spe_1 = attend_bouton_joystick(shoot, spe);
  if (spe_1 < 0) return annule(d, joystick_avant);
  std::snprintf(frein, sizeof frein, LANGUAGE == 0 ? "Frein : %s" : "Brake : %s", nom_bouton(spe_1));
  const char* l4[] = {action, accel, frein};
  efface_ecran_dialogue();
  d.DoDialogue();
  for (int i = 0; i < 3; i++) Texte.print(0, CVector3(-0.7f, 0.3f - 0.4f * i, -2.5f), l4[i], 0);
  Texte.print(0, CVector3(0.0f, 0.3f - 0.4f * 3, -2.5f), texte_langue("OK !", "Ready !"), 0);
  presente_ecran_dialogue();
  clear_keybuf();
  readkey();
  d.FermetureDialogueZoom();

  BOUTON_JS_SHOOT = shoot;
  BOUTON_JS_SPE = spe;
  BOUTON_JS_SPE_1 = spe_1;
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
