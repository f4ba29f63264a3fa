// The button kinds of a dialog: titles, click buttons, number, word and controller choices, key
// capture, text entry and a slider. Each draws itself as 3D text and turns the controller's
// commands into a return code.
#pragma once

#include "math/vector.h"

// Return codes shared by buttons and dialogs: 1..10000 is a button's identifier.
enum {
  DLG_RIEN = 0,
  DLG_ID_MAX = 10000,
  DLG_HAUT = 10001,    // move the focus up
  DLG_BAS = 10002,     // move the focus down
  DLG_CHANGE = 10003,  // the value changed, handled inside the dialog
};

class CBaseBouton {
 public:
  CBaseBouton(const char* texte, CVector3 pos, char align, char type, int id, int* valeur, int* max, char** mots);
  virtual ~CBaseBouton() = default;

  // Re-centres on the original x using the current display text.
  virtual void Recadre() {}
  // Draws the focused button and handles the controller.
  int Actif();
  virtual int Action() { return 0; }
  // Draws the button without focus.
  virtual void Affiche();
  // Unfocused, shifted by `decalage` (the zooms).
  virtual void Animation(CVector3 decalage);
  // Input handling of a focused button, without drawing.
  virtual int Gere();
  // Draws the button as the focused one.
  virtual void DessineFocus();

  char get_type() const { return type; }
  // Text drawn for the button: the label, or label and value.
  virtual const char* affichage_courant() const { return texte; }
  CVector3 GetPos() const { return pos; }

 protected:
  // Draws `texte` at `p`: outlined when focused, titles in the second colour.
  void dessine_texte(const char* t, CVector3 p, bool focus) const;
  void centre(const char* t);

  const char* texte;
  char type;  // 0 title, 1 selectable
  int id;
  char align;
  CVector3 pos;
  CVector3 pos_origine;
  int* valeur;
  int* max;
  char** mots;
};

class CTitreBouton : public CBaseBouton {
 public:
  CTitreBouton(const char* texte, CVector3 pos, char align);
  void Affiche() override;
  void Animation(CVector3 decalage) override;
};

class CClickBouton : public CBaseBouton {
 public:
  CClickBouton(const char* texte, CVector3 pos, char align, int id);
  int Gere() override;
};

// Base of the kinds whose display text holds a value.
class CBoutonAffichage : public CBaseBouton {
 public:
  using CBaseBouton::CBaseBouton;
  void Recadre() override { centre(affichage); }
  const char* affichage_courant() const override { return affichage; }
  virtual void maj_affichage() = 0;

 protected:
  char affichage[64] = {0};
};

// A number from 1 to *max, wrapping; a change stays inside the dialog.
class CChoixNumBouton : public CBoutonAffichage {
 public:
  CChoixNumBouton(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max);
  int Gere() override;
  void maj_affichage() override;
};

// Keyboard or joystick, 0 to *max, wrapping; a change returns the identifier.
class CChoixControlBouton : public CBoutonAffichage {
 public:
  CChoixControlBouton(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max);
  int Gere() override;
  void maj_affichage() override;
};

// A word of a table, 0 to *max, wrapping; a change returns the identifier.
class CChoixParMotBouton : public CBoutonAffichage {
 public:
  CChoixParMotBouton(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max, char** mots);
  int Gere() override;
  void maj_affichage() override;
};

// Captures a key: Enter starts the capture, the next key held becomes the setting; Escape
// cancels it and keeps the old key.
class CConfigKeybT : public CBoutonAffichage {
 public:
  CConfigKeybT(const char* texte, CVector3 pos, char align, int id, int* valeur);
  int Gere() override;
  void maj_affichage() override;
  // The key code held when the capture ends (0: none yet). The identifier when a key was taken,
  // 0 while waiting or when Escape cancelled.
  int termine_capture(int code);
  bool en_capture() const { return capture; }

 private:
  bool capture = false;
};

// Text entry of at most 14 characters; the caller's string pointer is set on return.
class CSaisieBouton : public CBoutonAffichage {
 public:
  CSaisieBouton(const char* texte, CVector3 pos, char align, int id, char** mots);
  int Gere() override;
  void maj_affichage() override;
  void commence_edition();
  // One key of the entry (its ASCII byte); returns the button's code for it.
  int traite_touche(int c);
  bool en_edition() const { return edition; }
  const char* GetSaisie() const { return saisie; }

 private:
  char saisie[16] = {0};
  int longueur = 0;
  bool edition = false;
};

// A slider from 1 to *max in nb_pas steps, changed live while left or right is held.
class CSlideBouton : public CBoutonAffichage {
 public:
  CSlideBouton(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max, int nb_pas);
  int Gere() override;
  void maj_affichage() override;
  void Recadre() override;
  void Affiche() override;
  void Animation(CVector3 decalage) override;
  void DessineFocus() override;

 private:
  void dessine_barre(CVector3 p, bool focus, float epaisseur);
  int nb_pas;
  float pas;
  float largeur = 0;
  float hauteur = 0;
};
