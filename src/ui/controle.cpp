// Keyboard and joystick reading, key names, and the choice of the active controller.
#include "ui/controle.h"

#include <allegro.h>
#include <sched.h>

#include <cstdio>
#include <cstring>

#include "common/globals.h"

namespace {

const int clavier_fixe[NB_BOUTONS] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ENTER, KEY_INSERT, KEY_DEL, KEY_ESC};

}  // namespace

bool touche_pressee(int code) { return code >= 1 && code <= 126 && key[code] != 0; }

bool bouton_joystick_presse(int numero) {
  if (num_joysticks < 1 || numero < 0 || numero >= MAX_JOYSTICK_BUTTONS || numero >= joy[0].num_buttons) return false;
  return joy[0].button[numero].b != 0;
}

int attend_bouton_joystick(int sauf1, int sauf2) {
  for (;;) {
    if (key[KEY_ESC]) return -1;
    for (int b = 0; b < joy[0].num_buttons && b < MAX_JOYSTICK_BUTTONS; b++) {
      poll_joystick();
      if (!joy[0].button[b].b || b == sauf1 || b == sauf2) continue;
      while (joy[0].button[b].b) {
        if (key[KEY_ESC]) return -1;
        poll_joystick();
        rest(1);
      }
      return b;
    }
    rest(1);
  }
}

bool escape_presse(const Ccontrol& c) { return touche_pressee(c.touche[BT_ESCAPE]); }

CcontrolClavierFixe::CcontrolClavierFixe(int t) : Ccontrol(t) {
  std::memcpy(touche_2, clavier_fixe, sizeof touche_2);
}

void CcontrolClavierFixe::lit_banque_clavier_2() {
  int lu[NB_BOUTONS];
  for (int i = 0; i < NB_BOUTONS; i++) lu[i] = touche_pressee(touche_2[i]);
  avance_banque(etat_2, etat_avant_2, relache_2, lu);
}

Cclavier::Cclavier() : CcontrolClavierFixe(1) {
  const int premiere[NB_BOUTONS] = {KEY_O, KEY_L, KEY_LEFT, KEY_RIGHT, KEY_ENTER, KEY_INSERT, KEY_DEL, KEY_ESC};
  std::memcpy(touche, premiere, sizeof touche);
}

void Cclavier::Pool() {
  int lu[NB_BOUTONS];
  for (int i = 0; i < NB_BOUTONS; i++) lu[i] = touche_pressee(touche[i]);
  avance_banque(etat, etat_avant, relache, lu);
  lit_banque_clavier_2();
}

Cjoystick::Cjoystick() : CcontrolClavierFixe(2) { std::memcpy(touche, clavier_fixe, sizeof touche); }

void Cjoystick::Pool() {
  poll_joystick();
  int lu[NB_BOUTONS] = {0};
  if (num_joysticks > 0 && joy[0].num_sticks > 0 && joy[0].stick[0].num_axis >= 2) {
    const JOYSTICK_STICK_INFO& s = joy[0].stick[0];
    lu[BT_HAUT] = s.axis[1].d1;
    lu[BT_BAS] = s.axis[1].d2;
    lu[BT_GAUCHE] = s.axis[0].d1;
    lu[BT_DROITE] = s.axis[0].d2;
  }
  for (int i = BT_VALIDE; i <= BT_SPE_1; i++) lu[i] = bouton_joystick_presse(touche[i]);
  lu[BT_ESCAPE] = touche_pressee(touche[BT_ESCAPE]);
  avance_banque(etat, etat_avant, relache, lu);
  lit_banque_clavier_2();
}

char* key_convert(char* dst, int code) {
  static const char* const noms_59_a_102[] = {
      "Escape", "*",         "-",        "=",         "Back space", "Tab",        "Open Brace", "Close Brace",
      "Enter",  "Colon",     "Quote",    "Back Slash", "2nd Back Slash", ",",     "Stop",       "/",
      "Space",  "Insert",    "Del",      "Home",      "End",        "Pg Up",      "Pg Dn",      "Left",
      "Right",  "Up",        "Down",     "/ Pad",     "Aster",      "- Pad",      "+ Pad",      "Del Pad",
      "Enter Pad", "Prtscr", "Pause",    "Abnt C1",   "Yen",        "Kana",       "Convert",    "NoConvert",
      "At",     "Circumflex", "Colon 2", "KanJi"};
  static const char* const noms_115_a_126[] = {"Left Shift", "Right Shift", "Left Ctrl", "Right Ctrl",
                                               "Alt",        "Alt Gr",      "Left Win",  "Right Win",
                                               "Menu",       "Scrl Lock",   "Num Lock",  "Caps Lock"};
  const size_t taille = 15;
  if (code >= 1 && code <= 26) {
    std::snprintf(dst, taille, "%c", 'A' + code - 1);
  } else if (code >= 27 && code <= 36) {
    std::snprintf(dst, taille, "%c", '0' + code - 27);
  } else if (code >= 37 && code <= 46) {
    std::snprintf(dst, taille, "%c pad", '0' + code - 37);
  } else if (code >= 47 && code <= 58) {
    std::snprintf(dst, taille, "F%d", code - 46);
  } else if (code >= 59 && code <= 102) {
    std::snprintf(dst, taille, "%s", noms_59_a_102[code - 59]);
  } else if (code >= 115 && code <= 126) {
    std::snprintf(dst, taille, "%s", noms_115_a_126[code - 115]);
  } else {
    std::snprintf(dst, taille, "%s", "Not managed !");
  }
  return dst;
}

int get_all_key() {
  for (;;) {
    int trouve = 0;
    for (int i = 0; i <= 126; i++) {
      if (key[i]) trouve = i;
    }
    if (trouve) return trouve;
    sched_yield();
  }
}

void applique_touches_clavier(Ccontrol* c) {
  c->SetBtHaut(BOUTON_HAUT);
  c->SetBtBas(BOUTON_BAS);
  c->SetBtDroite(BOUTON_DROITE);
  c->SetBtGauche(BOUTON_GAUCHE);
  c->SetBtValide(BOUTON_VALIDE);
  c->SetBtSpe(BOUTON_SPE);
  c->SetBtSpe_1(BOUTON_SPE_1);
}

void applique_boutons_joystick(Ccontrol* c) {
  c->SetBtValide(BOUTON_JS_SHOOT);
  c->SetBtSpe(BOUTON_JS_SPE);
  c->SetBtSpe_1(BOUTON_JS_SPE_1);
}

namespace {
Ccontrol* nouveau_clavier() {
  Ccontrol* c = new Cclavier;
  applique_touches_clavier(c);
  return c;
}
}  // namespace

void cree_controle(int type_configure) {
  delete controle;
  if (type_configure == 0) {
    JOYSTICK_ACTIF = 0;
    CONTROL_ACTIF = 0;
    controle = nouveau_clavier();
  } else if (load_joystick_data(nullptr) == 0) {
    JOYSTICK_ACTIF = 1;
    CONTROL_ACTIF = 1;
    controle = new Cjoystick;
    applique_boutons_joystick(controle);
  } else {
    controle = nouveau_clavier();
  }
}

void change_controle() {
  const bool est_clavier = controle && controle->GetType() == 1;
  if (CONTROL_ACTIF == 0) {
    JOYSTICK_ACTIF = 0;
    if (est_clavier) {
      applique_touches_clavier(controle);
    } else {
      delete controle;
      controle = nouveau_clavier();
    }
    return;
  }
  if (!est_clavier) {
    applique_boutons_joystick(controle);
    return;
  }
  delete controle;
  controle = nullptr;
  if (load_joystick_data(nullptr) == 0) {
    JOYSTICK_ACTIF = 1;
    controle = new Cjoystick;
    applique_boutons_joystick(controle);
  } else {
    CONTROL_ACTIF = 0;
    controle = nouveau_clavier();
  }
}
