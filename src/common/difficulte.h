// The computer pilots' difficulty levels. config.cfg keeps a level as the pilots' top speed
// (physics / Vitesse_max_cpu), so any speed written there maps to the level nearest to it.
//
//   const int n = difficulte_de_vitesse(VITESSE_MAX_CPU);   // 0 easy .. 3 expert
//   VITESSE_MAX_CPU = DIFFICULTES[n].vitesse_max;
#pragma once

struct tDifficulte {
  const char* nom_fr;
  const char* nom_en;
  float vitesse_max;  // the computer pilots' top speed
};

constexpr int NB_DIFFICULTES = 4;
constexpr int DIFFICULTE_FACILE = 0;
constexpr int DIFFICULTE_NORMALE = 1;
constexpr int DIFFICULTE_DIFFICILE = 2;
constexpr int DIFFICULTE_EXPERT = 3;

extern const tDifficulte DIFFICULTES[NB_DIFFICULTES];
// The level names in the current language, closed by "Stop" (for the menus' word choices).
extern const char* tab_difficultes[];
extern const char* tab_difficultes_fr[];

// The level whose top speed is nearest to v (the easier one on a tie); Normal for a NaN.
int difficulte_de_vitesse(float v);
