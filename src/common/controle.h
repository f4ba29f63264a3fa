// The one abstract controller: eight logical buttons in two banks, their state between polls and
// each release reported once. What fills the banks (keyboard, joystick, the self-driving bot, a
// replay) is up to each kind of controller; the pilots only read this state.
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

  int type;  // 1 keyboard, 2 joystick, 3 bot, 4 replay
  int touche[NB_BOUTONS];    // the device's code of each button (0: none)
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
};

extern Ccontrol* controle;
