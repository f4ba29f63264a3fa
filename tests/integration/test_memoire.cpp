// A one-lap race, short enough for the sanitizer run; freeing the circuit gives back every list
// element and material slot it took, so a second load starts from the same table.
#include <gtest/gtest.h>

#include <tuple>

#include "capture_jeu.h"
#include "objects/bonus.h"
#include "objects/particules.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/trajectoire.h"

namespace {

using Memoire = capture_jeu::SurCircuits;

TEST_F(Memoire, OneLapRaceThenTheCircuitIsGivenBackWhole) {
  const int materiaux = g_Materiaux.materialCount;
  for (int charge = 0; charge < 2; charge++) {
    ASSERT_TRUE(session.charge(dossier, 1, &erreur)) << erreur;
    EXPECT_GT(g_Materiaux.materialCount, materiaux);
    if (charge == 0) {
      const ResultatCourse r = session.course(1, 3);
      EXPECT_TRUE(r.tous_finis);
      EXPECT_FALSE(r.nan);
    }
    session.libere();
    EXPECT_EQ(g_Materiaux.materialCount, materiaux) << "load " << charge;
    EXPECT_EQ(std::make_tuple(nb_point_t, nb_deco, nb_bonus, nb_partic), std::make_tuple(0, 0, 0, 0));
    EXPECT_TRUE(!prem_list_ptraj && !prem_list_deco && !prem_list_bonus && !prem_list_partic);
  }
}

}  // namespace
