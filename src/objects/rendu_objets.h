// Drawing of the race's moving objects, each as its kind looks: the ships, the pilot's overlays,
// the bonuses and the particles. The objects hold the state; these functions only read it, but
// for the few things that move with the drawing (see each).
#pragma once

#include "world/modele3d.h"

class CObjJoueur;
class CJoueurHumain;
class CJoueurCPU;
class CObjBonus;
class CParticules;

// A pilot's ship in the style of its kind: shadow, hull, reactor flame and brake lights. Eases the
// drawn ground normal towards the real one, and a boosting ship leaves two sparks per frame.
void dessine_pilote(CObjJoueur& p, tMateriaux* materiaux);

// What the followed pilot shows over the scene, by its kind: the player's head-up display, a
// computer pilot's decisions, or the frame rate alone.
void affiche_infos_pilote(CObjJoueur& p, tMateriaux* materiaux, int fps, int minutes, int secondes, int soixantiemes);
// The player's head-up display: speed gauge, held bonus (turning one step per frame), lap, rank,
// time and the wrong-way warning.
void affiche_tableau_de_bord(CJoueurHumain& j, tMateriaux* materiaux, int minutes, int secondes, int soixantiemes);
// A computer pilot's decisions in text, for tuning.
void affiche_decisions(const CJoueurCPU& j, int fps);

// A bonus, hidden while taken: a pick-up turns one step per frame, a weapon points along its way.
void dessine_bonus(CObjBonus& b, tMateriaux* materiaux);

// One particle as its kind looks (spark bursts draw their flicker from g_HasardDecor).
void dessine_particule(const CParticules& p);
// The particles inside g_Frustum, from the last to the first, not aged (a frozen race).
void dessine_particules();
// A drawn frame of the race's particles: each, from the last to the first, lives its frame
// (avance_particule) and, still alive and inside g_Frustum, is drawn at once. Returns how many
// died. Ageing and drawing go together so that sparks and smoke draw from g_HasardDecor in the
// same order as always.
int avance_et_dessine_particules();
