// The option menus.
#include "ui/menus.h"

#include <GL/gl.h>
#include <allegro.h>

#include "audio/son.h"
#include "common/difficulte.h"
#include "common/globals.h"
#include "common/vue.h"
#include "ui/controle.h"
#include "ui/texte3d.h"

namespace {

CVector3 ligne(float y) { return CVector3(0, y, -2); }

// Opens the dialog, runs it until an identifier, closes it.
int tour_de_menu(CDialogue& d) {
  clear_color_menu();
  d.OuvertureDialogueZoom();
  const int r = execute_dialogue(d);
  d.FermetureDialogueZoom();
  return r;
}

}  // namespace

void clear_color_menu() {
  static const GLfloat couleur[4] = {0.5f, 0.55f, 0.7f, 1.0f};
  glClearColor(couleur[0], couleur[1], couleur[2], couleur[3]);
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, couleur);
  glFogf(GL_FOG_DENSITY, 1.0f);
  glFogf(GL_FOG_START, 2.1f);
  glFogf(GL_FOG_END, 5.8f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
}

void prepare_dialogue(CDialogue& d) {
  d.SetSonBouton(SON_BOUTON);
  d.SetSonClick(SON_CLICK);
}

int execute_dialogue(CDialogue& d) {
  int r;
  do {
    // Sixty frames a second at most: a menu waiting for the player leaves the processor alone.
    while (game_time < ACCELERATION) rest(1);
    game_time = 0;
    efface_ecran_dialogue();
    r = d.DoDialogue();
    presente_ecran_dialogue();
  } while (r == 0);
  return r;
}

void MENU_Options() {
  for (;;) {
    CDialogue d;
    prepare_dialogue(d);
    float y = 1.2f;
    d.AddTitre("Options", ligne(y), 2);
    d.AddClick(texte_langue("Jeu", "Game"), ligne(y -= 0.5f), 2, 10);
    d.AddClick(texte_langue("Controles", "Controls"), ligne(y -= 0.5f), 2, 11);
    d.AddClick(texte_langue("Sons", "Sounds"), ligne(y -= 0.5f), 2, 12);
    d.AddClick(texte_langue("Ecran", "Screen"), ligne(y -= 0.5f), 2, 13);
    d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.5f), 2, 14);
    switch (tour_de_menu(d)) {
      case 10: MENU_Game(); break;
      case 11: MENU_Controls(); break;
      case 12: MENU_Sons(); break;
      case 13: MENU_Screen(); break;
      default: return;
    }
  }
}

void ecrit_config_jeu(int num_langue) {
  set_config_int("Game", "Nb_tours", NOMBRE_TOURS);
  NUM_LANGUE = num_langue;
  LANGUAGE = num_langue == 0 ? 0 : 1;
  copie_nom(LANG, LANGUAGE == 0 ? "fr" : "en");
  set_config_string("system", "lang", LANG);
}

void ecrit_config_difficulte(int niveau) {
  if (niveau < 0 || niveau >= NB_DIFFICULTES || niveau == difficulte_de_vitesse(VITESSE_MAX_CPU)) return;
  VITESSE_MAX_CPU = DIFFICULTES[niveau].vitesse_max;
  set_config_float("physics", "Vitesse_max_cpu", VITESSE_MAX_CPU);
}

void MENU_Game() {
  CDialogue d;
  prepare_dialogue(d);
  int langue = NUM_LANGUE;
  int niveau = difficulte_de_vitesse(VITESSE_MAX_CPU);
  int dernier_niveau = NB_DIFFICULTES - 1;
  const char** niveaux = LANGUAGE == 0 ? tab_difficultes_fr : tab_difficultes;
  float y = 1.0f;
  d.AddTitre(texte_langue("Jeu", "Game"), ligne(y), 2);
  d.AddChoixNum(texte_langue("Tours", "Turns"), ligne(y -= 0.5f), 2, 10, &NOMBRE_TOURS, &NB_LIMIT_TOURS);
  d.AddChoixParMot(texte_langue("Difficulte ", "Difficulty "), ligne(y -= 0.5f), 2, 0, &niveau, &dernier_niveau,
                   const_cast<char**>(niveaux));
  d.AddChoixParMot("", ligne(y -= 0.5f), 2, 0, &langue, &NB_LANGUES, const_cast<char**>(tab_langues));
  d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.5f), 2, 12);
  tour_de_menu(d);
  ecrit_config_jeu(langue);
  ecrit_config_difficulte(niveau);
}

void ecrit_config_ecran() {
  int largeur = SCREEN_WIDTH, hauteur = SCREEN_HEIGHT;
  // "User" keeps the current size; "Desktop" writes the desktop's size too, so that a version of
  // the game without the "desktop" key still opens a window that fits.
  if (!taille_de_resol(RESOL, &largeur, &hauteur) && RESOL == RESOL_BUREAU) taille_bureau(&largeur, &hauteur);
  set_config_int("Graphics", "screen_width", largeur);
  set_config_int("Graphics", "screen_height", hauteur);
  set_config_int("Graphics", "full_screen", FULL_SCREEN);
  set_config_int("Graphics", "desktop", RESOL == RESOL_BUREAU ? 1 : 0);
}

void MENU_Screen() {
  CDialogue d;
  prepare_dialogue(d);
  const char** modes = LANGUAGE == 0 ? tab_type_screen_fr : tab_type_screen;
  float y = 1.0f;
  d.AddTitre(texte_langue("Ecran", "Screen"), ligne(y), 2);
  d.AddChoixParMot("", ligne(y -= 0.5f), 2, 0, &RESOL, &NB_TYPE_RESOL, const_cast<char**>(tab_resol));
  d.AddChoixParMot("", ligne(y -= 0.5f), 2, 0, &FULL_SCREEN, &NB_TYPE_SCREEN, const_cast<char**>(modes));
  d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.5f), 2, 12);
  tour_de_menu(d);
  ecrit_config_ecran();
}

void ecrit_config_sons(int musique, int effets) {
  VOLUME_SONS = effets / 100.0f;
  VOLUME_MUSIQUE = musique / 100.0f;
  set_config_float("Sons", "Volume_music", VOLUME_MUSIQUE);
  set_config_float("Sons", "Volume_sons", VOLUME_SONS);
}

void MENU_Sons() {
  CDialogue d;
  prepare_dialogue(d);
  int musique = static_cast<int>(VOLUME_MUSIQUE * 100);
  int effets = static_cast<int>(VOLUME_SONS * 100);
  int maximum = static_cast<int>(VOLUME_MAX * 100);
  float y = 1.0f;
  d.AddTitre(texte_langue("Sons", "Sounds"), ligne(y), 2);
  d.AddSlide("Music", ligne(y -= 0.5f), 2, 10, &musique, &maximum, 100);
  d.AddSlide("Sons", ligne(y -= 0.5f), 2, 11, &effets, &maximum, 100);
  d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.5f), 2, 12);
  tour_de_menu(d);
  ecrit_config_sons(musique, effets);
}

void MENU_Controls() {
  for (;;) {
    CDialogue d;
    prepare_dialogue(d);
    float y = 1.0f;
    d.AddTitre(texte_langue("Controles", "Controls"), ligne(y), 2);
    d.AddChoixControl("TYPE:", ligne(y -= 0.5f), 2, 10, &CONTROL_ACTIF, &CONTROLS_MAX);
    d.AddClick(texte_langue("Reglages", "Settings"), ligne(y -= 0.5f), 2, 11);
    d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.5f), 2, 12);
    clear_color_menu();
    d.OuvertureDialogueZoom();
    int r;
    // A change of kind is stored at once and the dialog goes on.
    while ((r = execute_dialogue(d)) == 10) set_config_int("Control_type", "Type", CONTROL_ACTIF);
    d.FermetureDialogueZoom();
    if (r == 11) {
      if (CONTROL_ACTIF == 0) {
        MENU_config_control_keyboard();
      } else {
        MENU_config_control_joystick();
        if (controle) controle->Pool();
      }
      continue;
    }
    change_controle();
    return;
  }
}

void ecrit_config_clavier() {
  set_config_int("Control_kb", "Haut", BOUTON_HAUT);
  set_config_int("Control_kb", "Bas", BOUTON_BAS);
  set_config_int("Control_kb", "Droite", BOUTON_DROITE);
  set_config_int("Control_kb", "Gauche", BOUTON_GAUCHE);
  set_config_int("Control_kb", "Valide", BOUTON_VALIDE);
  set_config_int("Control_kb", "Spe", BOUTON_SPE);
  set_config_int("Control_kb", "Spe_1", BOUTON_SPE_1);
}

void MENU_config_control_keyboard() {
  CDialogue d;
  prepare_dialogue(d);
  float y = 1.2f;
  d.AddTitre(texte_langue("Configuration clavier", "Config keyboard"), ligne(y), 2);
  d.AddConfKeybT(texte_langue("Acceleration:", "Accel:"), ligne(y -= 0.45f), 2, 10, &BOUTON_SPE);
  d.AddConfKeybT(texte_langue("Frein:", "Brake:"), ligne(y -= 0.45f), 2, 11, &BOUTON_SPE_1);
  d.AddConfKeybT(texte_langue("Droite:", "Right:"), ligne(y -= 0.45f), 2, 12, &BOUTON_DROITE);
  d.AddConfKeybT(texte_langue("Gauche:", "Left:"), ligne(y -= 0.45f), 2, 13, &BOUTON_GAUCHE);
  d.AddConfKeybT("Action:", ligne(y -= 0.45f), 2, 14, &BOUTON_VALIDE);
  d.AddClick(texte_langue("Sortie", "Exit"), ligne(y -= 0.45f), 2, 20);
  clear_color_menu();
  d.OuvertureDialogueZoom();
  for (;;) {
    const int r = execute_dialogue(d);
    clear_keybuf();
    if (r == 20) break;
    if (!controle) continue;
    switch (r) {
      case 10: controle->SetBtSpe(BOUTON_SPE); break;
      case 11: controle->SetBtSpe_1(BOUTON_SPE_1); break;
      case 12: controle->SetBtDroite(BOUTON_DROITE); break;
      case 13: controle->SetBtGauche(BOUTON_GAUCHE); break;
      case 14: controle->SetBtValide(BOUTON_VALIDE); break;
      default: break;
    }
  }
  d.FermetureDialogueZoom();
  ecrit_config_clavier();
}
