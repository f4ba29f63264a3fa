// Racing-line and decoration saves that the disk cuts short: the circuit's previous file stays
// whole, the save says it failed, the list in memory is kept, and the next save with room works.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "common/globals.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"
#include "world/decorations.h"
#include "world/trajectoire.h"

namespace {

class SauvegardeEchec : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    ASSERT_EQ(mkdir("objets", 0755), 0);
    LEVEL_ACTIF = 2;
  }
  void TearDown() override {
    Effacement_liste_point_t();
    Effacement_liste_deco();
  }
  DossierTemporaire dossier_;
};

TEST_F(SauvegardeEchec, RacingLine) {
  Effacement_liste_point_t();
  for (int i = 0; i < 60; i++) creation_point_t(10.0f * i, 0, -3.0f * i, i);
  ASSERT_TRUE(sauve_trajectoire());
  const std::vector<uint8_t> avant = octets_de("objets/traj_2.dat");
  ASSERT_EQ(avant.size(), 4u + 24 * 60);

  for (int i = 0; i < 20; i++) creation_point_t(-5.0f * i, 1, 2, 60 + i);
  const std::vector<uint8_t> voulu = encode_trajectoire();
  {
    EcritureLimitee limite(512);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(sauve_trajectoire());
  }
  EXPECT_EQ(octets_de("objets/traj_2.dat"), avant);
  EXPECT_EQ(noms_dans("objets"), std::vector<std::string>{"traj_2.dat"});
  EXPECT_EQ(nb_point_t, 80);

  ASSERT_TRUE(sauve_trajectoire());
  EXPECT_EQ(octets_de("objets/traj_2.dat"), voulu);
}

TEST_F(SauvegardeEchec, Decorations) {
  Effacement_liste_deco();
  for (int i = 0; i < 40; i++) {
    creation_deco(3.0f * i, 0, 7.0f * i);
    act_deco->SetType(1 + i % 9);
    act_deco->applique_type();
  }
  ASSERT_TRUE(sauve_deco(2));
  const std::vector<uint8_t> avant = octets_de("objets/deco_2.dat");
  ASSERT_EQ(avant.size(), 4u + 36 * 40);

  act_deco->SetEchelle(3.5f);
  Destruct_deco(prem_list_deco);
  const std::vector<uint8_t> voulu = encode_deco();
  {
    EcritureLimitee limite(100);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(sauve_deco(2));
  }
  EXPECT_EQ(octets_de("objets/deco_2.dat"), avant);
  EXPECT_EQ(noms_dans("objets"), std::vector<std::string>{"deco_2.dat"});
  EXPECT_EQ(nb_deco, 39);

  ASSERT_TRUE(sauve_deco(2));
  EXPECT_EQ(octets_de("objets/deco_2.dat"), voulu);
}

}  // namespace
