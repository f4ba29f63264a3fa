// Ranking: equal progress goes to the pilot nearer its target, then to the pilots' order.
#include <gtest/gtest.h>

#include <vector>

#include "common/globals.h"
#include "race/classement.h"
#include "world/trajectoire.h"

namespace {

TEST(Classement, SameProgressNearerTargetIsAhead) {
  CObjJoueur pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) {
    pilotes[i].point_valide = 0;
    pilotes[i].distance_cible = 1000;
    Joueurs[i] = &pilotes[i];
  }
  init_classement();
  nb_point_t = 10;
  NOMBRE_TOURS = 2;
  pilotes[0].point_valide = 4;
  pilotes[0].distance_cible = 50;
  pilotes[3].point_valide = 4;
  pilotes[3].distance_cible = 20;
  pilotes[5].point_valide = 7;
  classement_etape();
  // Pilots 1, 2 and 4 have equal score and distance: array order keeps the better place.
  std::vector<int> places;
  for (const auto& p : pilotes) places.push_back(p.GetClassement());
  EXPECT_EQ(places, (std::vector<int>{3, 4, 5, 2, 6, 1}));
  for (auto& p : pilotes) EXPECT_EQ(p.classementH, 1);
  // Neighbours.
  EXPECT_EQ(pilotes[3].joueur_devant, &pilotes[5]);
  EXPECT_EQ(pilotes[3].classement_devant, 1);
  EXPECT_EQ(pilotes[3].joueur_derriere, &pilotes[0]);
  EXPECT_EQ(pilotes[5].joueur_devant, nullptr);
  EXPECT_EQ(pilotes[5].classement_devant, -1);
  EXPECT_EQ(pilotes[4].joueur_derriere, nullptr);
  for (auto& j : Joueurs) j = nullptr;
  nb_point_t = 0;
}

}  // namespace
