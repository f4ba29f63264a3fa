// Time trial: lap differences, and the ghost file kept only for a faster run of its own circuit.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/fichier.h"
#include "race/contre_la_montre.h"
#include "support/outils_essai.h"

namespace {

TEST(ChronoTours, EachLapAgainstTheBestBeforeIt) {
  // Ghost laps 700 and 650: the first lap of the run is measured against 650.
  CChronoTours c({700, 650});
  EXPECT_FALSE(c.note(0, 400));
  EXPECT_TRUE(c.note(1, 640));   // 640 - 650
  EXPECT_FALSE(c.note(1, 642));  // the same lap is noted once
  EXPECT_TRUE(c.note(2, 1300));  // 660 against the run's own 640
  EXPECT_TRUE(c.note(3, 1930));  // 630 against 640
  std::vector<std::vector<int>> tours;
  for (const tTourChrono& t : c.tours()) tours.push_back({t.temps, t.ecart, t.avec_ecart});
  EXPECT_EQ(tours, (std::vector<std::vector<int>>{{640, -10, 1}, {660, 20, 1}, {630, -10, 1}}));
  // No ghost: the first lap has nothing to compare with.
  CChronoTours seul;
  seul.note(1, 500);
  seul.note(2, 990);
  EXPECT_FALSE(seul.tours()[0].avec_ecart);
  EXPECT_TRUE(seul.tours()[1].avec_ecart);
  EXPECT_EQ(seul.tours()[1].ecart, -10);
}

tReplay course(int circuit, int tours, uint32_t temps, uint8_t octet) {
  tReplay r;
  r.circuit = circuit;
  r.tours = tours;
  r.temps = temps;
  r.graine = temps * 7;
  r.nom = "Moi";
  r.grille[0] = 5;  // as a time trial's recording has it: the places of absent pilots unchanged
  r.etats.assign(300, octet);
  return r;
}

TEST(Fantome, KeptOnlyWhenFasterAndReadOnlyForItsCircuitAndLaps) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  tReplay lu;
  EXPECT_FALSE(charge_fantome(2, 3, &lu, nullptr));  // the first run has none
  EXPECT_FALSE(sauve_fantome(course(2, 3, 0, 1)));   // an unfinished run is no ghost
  ASSERT_TRUE(sauve_fantome(course(2, 3, 5000, 1)));
  EXPECT_EQ(chemin_fantome(2, 3), "./hiscores/t_2_3.rpl");
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 5000u);
  EXPECT_EQ(lu.graine, 35000u);
  EXPECT_EQ(lu.etats, std::vector<uint8_t>(300, 1));
  EXPECT_FALSE(sauve_fantome(course(2, 3, 5000, 2)));  // a tie keeps the older run
  EXPECT_FALSE(sauve_fantome(course(2, 3, 6000, 2)));
  EXPECT_TRUE(sauve_fantome(course(2, 3, 4000, 3)));
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 4000u);
  EXPECT_FALSE(charge_fantome(2, 1, &lu, nullptr));  // other lap counts have their own

  // A file that is not this circuit's run, or is cut short, is no ghost, and the next finished
  // run takes its place.
  const auto fichier = [](tReplay r) {
    for (int i = 0; i < 6; i++) r.grille[i] = static_cast<uint8_t>(i);
    return ecrit_replay(r);
  };
  std::vector<uint8_t> octets = fichier(course(4, 3, 3000, 1));
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_fantome(2, 3), octets.data(), octets.size()));
  std::string erreur;
  EXPECT_FALSE(charge_fantome(2, 3, &lu, &erreur));
  EXPECT_NE(erreur.find("another circuit"), std::string::npos) << erreur;
  octets = fichier(course(2, 3, 3000, 1));
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_fantome(2, 3), octets.data(), octets.size() - 2));
  EXPECT_FALSE(charge_fantome(2, 3, &lu, &erreur));
  EXPECT_TRUE(sauve_fantome(course(2, 3, 9000, 1)));
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 9000u);
}

}  // namespace
