// Option menus: game, screen, sound, controls and the keyboard and joystick set-ups. Each builds
// its dialog, runs it, and writes what it changed to config.cfg when it is left.
#pragma once

#include "ui/dialogue.h"

// The menus' background: clear colour and fog.
void clear_color_menu();
// Runs dialog frames until a button reports its identifier (the dialog is already open).
int execute_dialogue(CDialogue& d);
// A dialog with the two menu sounds.
void prepare_dialogue(CDialogue& d);

void MENU_Options();
void MENU_Game();
void MENU_Screen();
void MENU_Sons();
void MENU_Controls();
void MENU_config_control_keyboard();
int MENU_config_control_joystick();

// What leaving each menu writes, apart from the dialogs (also used by tests).
void ecrit_config_jeu(int num_langue);
// The difficulty level 0..3 as the computer pilots' top speed; a speed that already shows that
// level (an older or hand-written one) is kept as it is.
void ecrit_config_difficulte(int niveau);
void ecrit_config_ecran();
void ecrit_config_sons(int musique, int effets);
void ecrit_config_clavier();
