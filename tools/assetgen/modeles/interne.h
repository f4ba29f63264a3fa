// Builders of each model family, shared by the model list.
#pragma once

#include "assetgen/maillage.h"

void construit_vaisseau(int numero, CMaillage& m);  // 1..6

void construit_fougere(CMaillage& m, int variante);  // 0: low and spread, 1: tall and upright
void construit_herbe(CMaillage& m, int variante);
void construit_arbre(CMaillage& m);
void construit_orchidee(CMaillage& m, int variante);  // 0: pink, 1: mauve
void construit_palmier(CMaillage& m);
void construit_clochettes(CMaillage& m);

void construit_anneau(CMaillage& m);
void construit_bonus_vitesse(CMaillage& m);
void construit_bonus_mine(CMaillage& m);
void construit_bonus_missile(CMaillage& m);
void construit_mine(CMaillage& m);
void construit_missile(CMaillage& m);
void construit_explosion(CMaillage& m);
