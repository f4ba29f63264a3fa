// The input devices behind the controller: keyboard keys, stick directions and joystick buttons
// read into the logical buttons, the key names, and the choice of the active controller.
#pragma once

#include "common/controle.h"

// The keyboard's second bank: the arrows, Enter, Insert, Delete and Escape, whatever the settings.
// Both devices poll it beside their own bank.
class CcontrolClavierFixe : public Ccontrol {
 protected:
  explicit CcontrolClavierFixe(int type);
  void lit_banque_clavier_2();
};

class Cclavier : public CcontrolClavierFixe {
 public:
  Cclavier();
  void Pool() override;
  void SetBtHaut(int c) override { regle(BT_HAUT, c); }
  void SetBtBas(int c) override { regle(BT_BAS, c); }
  void SetBtGauche(int c) override { regle(BT_GAUCHE, c); }
  void SetBtDroite(int c) override { regle(BT_DROITE, c); }
  void SetBtValide(int c) override { regle(BT_VALIDE, c); }
  void SetBtSpe(int c) override { regle(BT_SPE, c); }
  void SetBtSpe_1(int c) override { regle(BT_SPE_1, c); }
};

// Directions come from the first stick of the first joystick; the three action buttons are
// joystick button numbers. The fixed keyboard bank keeps working beside it.
class Cjoystick : public CcontrolClavierFixe {
 public:
  Cjoystick();
  void Pool() override;
  void SetBtValide(int c) override { regle(BT_VALIDE, c); }
  void SetBtSpe(int c) override { regle(BT_SPE, c); }
  void SetBtSpe_1(int c) override { regle(BT_SPE_1, c); }
};

// The controller's Escape key, read live from the keyboard rather than from the last poll.
bool escape_presse(const Ccontrol& c);
// True when a key code is pressed now; codes outside 1..126 never are.
bool touche_pressee(int code);
// True when joystick 0's button is pressed; numbers outside the joystick's buttons never are.
bool bouton_joystick_presse(int numero);
// The joystick set-up's wait: a button of joystick 0 other than `sauf1` and `sauf2` pressed and
// released gives its number; Escape held gives -1 at once. A pad with fewer buttons, or one
// pulled out with a button down, would otherwise keep the game waiting for good.
int attend_bouton_joystick(int sauf1, int sauf2);

// Writes the display name of a key code into dst (at least 15 bytes) and returns dst.
char* key_convert(char* dst, int code);
// Waits until some key is pressed; returns the highest code pressed in the scan that found one.
int get_all_key();

// The seven keyboard settings, and the three joystick buttons, applied to a controller.
void applique_touches_clavier(Ccontrol* c);
void applique_boutons_joystick(Ccontrol* c);
// Start-up: the controller of the configured type (0 keyboard), falling back to the keyboard
// when the joystick calibration cannot be loaded.
void cree_controle(int type_configure);
// Leaving the controls menu: switches `controle` to the kind CONTROL_ACTIF asks for.
void change_controle();
