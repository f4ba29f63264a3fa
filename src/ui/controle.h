// The one abstract controller: maps keyboard keys, stick directions and joystick buttons onto
// eight logical buttons, keeps their state between polls and reports each release once.
// Also the display names of key codes.
#pragma once

// Logical buttons, in their fixed order.
enum { BT_HAUT = 0, BT_BAS, BT_GAUCHE, BT_DROITE, BT_VALIDE, BT_SPE, BT_SPE_1, BT_ESCAPE, NB_BOUTONS };

class Ccontrol {
 public:
  explicit Ccontrol(int type);
  virtual ~Ccontrol() = default;

  virtual void Pool() {}
  virtual void Init() {}
  virtual void SetBtHaut(int) {}
  virtual void SetBtBas(int) {}
  virtual void SetBtGauche(int) {}
  virtual void SetBtDroite(int) {}
  virtual void SetBtValide(int) {}
  virtual void SetBtSpe(int) {}
  virtual void SetBtSpe_1(int) {}

  int GetType() const { return type; }

  // Pressed in either bank at the last poll.
  bool Haut() const { return presse(BT_HAUT); }
  bool Bas() const { return presse(BT_BAS); }
  bool Gauche() const { return presse(BT_GAUCHE); }
  bool Droite() const { return presse(BT_DROITE); }
  bool Valide() const { return presse(BT_VALIDE); }
  bool Special() const { return presse(BT_SPE); }
  bool Special_1() const { return presse(BT_SPE_1); }
  // Read live from the keyboard, not from the last poll.
  bool Escape() const;

  // Each consumes one bank's edge: when both banks released in one poll, the next call reports
  // the second.
  bool Relache_Haut() { return consomme(BT_HAUT); }
  bool Relache_Bas() { return consomme(BT_BAS); }
  bool Relache_Gauche() { return consomme(BT_GAUCHE); }
  bool Relache_Droite() { return consomme(BT_DROITE); }
  bool Relache_Valide() { return consomme(BT_VALIDE); }
  bool Relache_Spe() { return consomme(BT_SPE); }
  bool Relache_Spe_1() { return consomme(BT_SPE_1); }
  bool Relache_Escape();

  int type;  // 1 keyboard, 2 joystick
  int touche[NB_BOUTONS];
  int etat[NB_BOUTONS];
  int etat_avant[NB_BOUTONS];
  int relache[NB_BOUTONS];
  int touche_2[NB_BOUTONS];
  int etat_2[NB_BOUTONS];
  int etat_avant_2[NB_BOUTONS];
  int relache_2[NB_BOUTONS];

 protected:
  bool presse(int i) const { return etat[i] || etat_2[i]; }
  bool consomme(int i);
  // Stores a code for one button of the first bank and forgets its state.
  void regle(int i, int code);
  // One poll step of a bank: remember, read, derive the release edges.
  static void avance_banque(int* etat, int* etat_avant, int* relache, const int* lu);
  // Reads the second bank from the keyboard.
  void lit_banque_clavier_2();
};

class Cclavier : public Ccontrol {
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
class Cjoystick : public Ccontrol {
 public:
  Cjoystick();
  void Pool() override;
  void SetBtValide(int c) override { regle(BT_VALIDE, c); }
  void SetBtSpe(int c) override { regle(BT_SPE, c); }
  void SetBtSpe_1(int c) override { regle(BT_SPE_1, c); }
};

extern Ccontrol* controle;

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
