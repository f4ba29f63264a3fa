// A whole one-lap race, short enough for the sanitizer run: every pilot finishes, and freeing the
// circuit gives back every list element and every material slot it took, so a second load of
// the same circuit starts from the same table. Under AddressSanitizer this is the memory check
// of a race's loading, steps and freeing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "objects/bonus.h"
#include "objects/particules.h"
#include "sim/course_sim.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "support/donnees_essai.h"
#include "support/outils_essai.h"
#include "world/trajectoire.h"

namespace {

TEST(Memoire, OneLapRaceThenTheCircuitIsGivenBackWhole) {
  std::string erreur;
  const std::string dossier = donnees_jeu(&erreur);
  ASSERT_FALSE(dossier.empty()) << erreur;
  GardeDossier retour;

  const int materiaux = g_Materiaux.materialCount;
  SessionSim session;
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
