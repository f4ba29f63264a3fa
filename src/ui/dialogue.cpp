// Dialog: focus moves, sounds, zooms.
#include "ui/dialogue.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include "audio/son.h"
#include "common/globals.h"
#include "ui/controle.h"

CDialogue::~CDialogue() {
  for (int i = nb_boutons - 1; i >= 0; i--) delete boutons[i];
}

void CDialogue::ajoute(CBaseBouton* b, bool selectable) {
  if (nb_boutons >= MAX_BOUTONS) {
    delete b;
    return;
  }
  b->Recadre();
  boutons[nb_boutons++] = b;
  if (selectable && focus < 0) focus = 0;
}

void CDialogue::AddTitre(const char* t, CVector3 p, char al) { ajoute(new CTitreBouton(t, p, al), false); }
void CDialogue::AddClick(const char* t, CVector3 p, char al, int id) { ajoute(new CClickBouton(t, p, al, id), true); }
void CDialogue::AddChoixNum(const char* t, CVector3 p, char al, int id, int* v, int* m) {
  ajoute(new CChoixNumBouton(t, p, al, id, v, m), true);
}
void CDialogue::AddChoixControl(const char* t, CVector3 p, char al, int id, int* v, int* m) {
  ajoute(new CChoixControlBouton(t, p, al, id, v, m), true);
}
void CDialogue::AddChoixParMot(const char* t, CVector3 p, char al, int id, int* v, int* m, char** mots) {
  ajoute(new CChoixParMotBouton(t, p, al, id, v, m, mots), true);
}
void CDialogue::AddConfKeybT(const char* t, CVector3 p, char al, int id, int* v) {
  ajoute(new CConfigKeybT(t, p, al, id, v), true);
}
void CDialogue::AddSaisieBouton(const char* t, CVector3 p, char al, int id, char** mots) {
  ajoute(new CSaisieBouton(t, p, al, id, mots), true);
}
void CDialogue::AddSlide(const char* t, CVector3 p, char al, int id, int* v, int* m, int nb_pas) {
  ajoute(new CSlideBouton(t, p, al, id, v, m, nb_pas), true);
}

void CDialogue::joue(HSon s) {
  if (son_joue(g_SystemeSon, s, false, &canal) == SON_OK) son_canal_set_volume(canal, VOLUME_SONS);
}

void CDialogue::cherche_focus(int sens) {
  // With no selectable button there is nothing to focus: leave it.
  for (int essais = 0; essais < nb_boutons; essais++) {
    if (boutons[focus]->get_type() == 1) return;
    focus = (focus + sens + nb_boutons) % nb_boutons;
  }
}

int CDialogue::traite_resultat(int code) {
  const bool sons = !son_handle_vide(son_bouton);
  if (code < DLG_HAUT) {
    if (code > 0 && sons) joue(son_click);
    return code;
  }
  if (code == DLG_HAUT || code == DLG_BAS) {
    if (sons) joue(son_bouton);
    const int sens = code == DLG_HAUT ? -1 : 1;
    focus = (focus + sens + nb_boutons) % nb_boutons;
    cherche_focus(sens);
  } else if (code == DLG_CHANGE && sons) {
    joue(son_click);
  }
  return DLG_RIEN;
}

int CDialogue::DoDialogue() {
  if (controle) controle->Pool();
  if (focus < 0 || nb_boutons == 0) return DLG_RIEN;
  cherche_focus(1);
  resultat = DLG_RIEN;
  for (int i = 0; i < nb_boutons; i++) {
    if (i == focus) {
      resultat = boutons[i]->Actif();
    } else {
      boutons[i]->Affiche();
    }
  }
  return traite_resultat(resultat);
}

void CDialogue::zoom(float depart, float pas, float fin) {
  CVector3 decalage(0, 0, depart);
  for (;;) {
    if (game_time <= 1) {
      rest(0);
      continue;
    }
    game_time = 0;
    efface_ecran_dialogue();
    for (int i = 0; i < nb_boutons; i++) boutons[i]->Animation(decalage);
    presente_ecran_dialogue();
    decalage.z += pas;
    if (pas > 0 ? decalage.z >= fin - 1e-4f : decalage.z <= fin + 1e-4f) break;
  }
}

int CDialogue::OuvertureDialogueZoom() {
  zoom(-4.0f, 0.2f, 0.0f);
  return 1;
}

int CDialogue::FermetureDialogueZoom() {
  zoom(-0.2f, -0.2f, -4.0f);
  return 1;
}

void efface_ecran_dialogue() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
}

void presente_ecran_dialogue() {
  glFlush();
  allegro_gl_flip();
}
