// The difficulty levels' table.
#include "common/difficulte.h"

#include <cmath>

const tDifficulte DIFFICULTES[NB_DIFFICULTES] = {
    {"Facile", "Easy", 2.1f},
    {"Normal", "Normal", 2.5f},
    {"Difficile", "Hard", 2.6f},
    {"Expert", "Expert", 3.2f},
};

const char* tab_difficultes[] = {"Easy", "Normal", "Hard", "Expert", "Stop"};
const char* tab_difficultes_fr[] = {"Facile", "Normal", "Difficile", "Expert", "Stop"};

int difficulte_de_vitesse(float v) {
  if (std::isnan(v)) return DIFFICULTE_NORMALE;
  int n = 0;
  for (int i = 1; i < NB_DIFFICULTES; i++) {
    if (std::fabs(v - DIFFICULTES[i].vitesse_max) < std::fabs(v - DIFFICULTES[n].vitesse_max)) n = i;
  }
  return n;
}
