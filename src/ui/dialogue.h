// A menu screen: up to ten buttons in a column of 3D text, driven with the controller, opened and
// closed with a zoom.
//
//   CDialogue d;
//   d.SetSonBouton(SON_BOUTON); d.SetSonClick(SON_CLICK);
//   d.AddTitre("Options", CVector3(0, 1, -3), 2);
//   d.AddClick("Retour", CVector3(0, -1, -3), 2, 1);
//   d.OuvertureDialogueZoom();
//   int r;
//   do { efface(); r = d.DoDialogue(); presente(); } while (r == 0);
//   d.FermetureDialogueZoom();
#pragma once

#include "audio/son_api.h"
#include "ui/boutons.h"

class CDialogue {
 public:
  static constexpr int MAX_BOUTONS = 10;

  CDialogue() = default;
  ~CDialogue();
  CDialogue(const CDialogue&) = delete;
  CDialogue& operator=(const CDialogue&) = delete;

  void SetSonBouton(HSon s) { son_bouton = s; }
  void SetSonClick(HSon s) { son_click = s; }

  void AddTitre(const char* texte, CVector3 pos, char align);
  void AddClick(const char* texte, CVector3 pos, char align, int id);
  void AddChoixNum(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max);
  void AddChoixControl(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max);
  void AddChoixParMot(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max, char** mots);
  void AddConfKeybT(const char* texte, CVector3 pos, char align, int id, int* valeur);
  void AddSaisieBouton(const char* texte, CVector3 pos, char align, int id, char** mots);
  void AddSlide(const char* texte, CVector3 pos, char align, int id, int* valeur, int* max, int nb_pas);

  // One frame: poll, draw, handle the focused button. 0 or the operated button's identifier.
  int DoDialogue();
  int OuvertureDialogueZoom();
  int FermetureDialogueZoom();

  int GetFocus() const { return focus; }
  int GetNbBoutons() const { return nb_boutons; }
  CBaseBouton* GetBouton(int i) const { return (i >= 0 && i < nb_boutons) ? boutons[i] : nullptr; }
  // What a frame's code does to the focus and the sounds (after the buttons ran).
  int traite_resultat(int code);

 private:
  void ajoute(CBaseBouton* b, bool selectable);
  void joue(HSon s);
  // Moves the focus by `sens` (+1 or -1), wrapping, until a selectable button.
  void cherche_focus(int sens);
  void zoom(float depart, float pas, float fin);

  CBaseBouton* boutons[MAX_BOUTONS] = {};
  HSon son_bouton;
  HSon son_click;
  HCanal canal;
  int focus = -1;
  int nb_boutons = 0;
  int resultat = 0;
};

// Clears the screen for one dialog frame; presents it.
void efface_ecran_dialogue();
void presente_ecran_dialogue();
