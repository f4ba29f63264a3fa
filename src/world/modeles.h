// The long-lived models: the font, the six ships, the decorations and the bonus models, loaded at
// start-up and freed at shutdown in the reverse order.
//
// Each loader returns what the player must be told of its files (see tRapport3DS); a missing
// file leaves its model empty.
#pragma once

#include "world/materiaux.h"
#include "world/modele3d.h"

extern t3DModel Police;
extern t3DModel Joueur_1, Joueur_2, Joueur_3, Joueur_4, Joueur_5, Joueur_6;
extern t3DModel balise, fougere, fougere_1, herbe, herbe_1, arbre, orchid, orchid_1, palmier, clochettes;
extern t3DModel anneau, bonus_boost, bonus_mine, bonus_missile, mine, missile, explosion;

// The font: materials get their slots but no texture; the 3D text is set up by the caller.
tRapports3DS charge_police();
// Frees the font's objects; its materials stay until destroy_materiaux.
void destroy_police();
// Joueur_1 is the human's ship, Joueur_2 .. Joueur_6 those of the computer pilots 0 .. 4; the
// caller hands them to the pilots.
tRapports3DS charge_mesh_joueurs();
void destroy_mesh_joueurs();
tRapports3DS charge_mesh_deco();
void destroy_deco();
tRapports3DS charge_mesh_bonus();
void destroy_bonus();

// Bonus models flag their glowing objects: SURFACE_BRILLANTE when the name begins with 'A', else SURFACE_OPAQUE.
void set_type_mesh_bonus(t3DModel* model);
