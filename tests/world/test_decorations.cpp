// Decorations: the removal rule and the file both ways.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/binio.h"
#include "support/outils_essai.h"
#include "world/decorations.h"
#include "world/modeles.h"

namespace {

class Decorations : public ::testing::Test {
 protected:
  void TearDown() override { Effacement_liste_deco(); }
};

// The list pattern as the racing line's, but removal favours the predecessor.
TEST_F(Decorations, RemovalMakesThePredecessorCurrentElseTheSuccessor) {
  for (float x : {1, 2, 3}) creation_deco(x, 0, 0);
  Destruct_deco(prem_list_deco->suivant);
  EXPECT_FLOAT_EQ(act_deco->position.x, 1);
  Destruct_deco(prem_list_deco);
  EXPECT_FLOAT_EQ(act_deco->position.x, 3);
  Destruct_deco(act_deco);
  EXPECT_EQ(nb_deco, 0);
  EXPECT_EQ((std::vector<const void*>{prem_list_deco, haut_list_deco, act_deco}), std::vector<const void*>(3));
}

TEST_F(Decorations, FileRoundTripWithScaledRadius) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  creation_deco(10, 2, -30);
  act_deco->SetType(5);
  act_deco->applique_type();
  act_deco->SetEchelle(2);
  act_deco->SetAngles(0, 45, 0);
  creation_deco(5, 0, 5);
  act_deco->SetType(77);
  act_deco->applique_type();
  ASSERT_TRUE(sauve_deco(4));
  const std::vector<uint8_t> octets = encode_deco();
  ASSERT_EQ(octets.size(), 4u + 36 * 2);
  Lecteur lec(octets.data(), octets.size());
  lec.saute(4 + 28);
  float rayon;
  lec.f32(rayon);
  EXPECT_FLOAT_EQ(rayon, 64);  // radius times scale at saving time
  EXPECT_TRUE(charge_deco(4));
  ASSERT_EQ(nb_deco, 2);
  const CObjetDeco& d = *prem_list_deco;
  EXPECT_EQ(std::vector<float>({d.rayon, d.echelle, d.angles.y}), (std::vector<float>{32, 2, 45}));
  EXPECT_EQ(haut_list_deco->type, 77);  // the type read is kept
  EXPECT_EQ(haut_list_deco->modele, &fougere);
  // An empty list removes the file; loading then makes the default fern.
  Effacement_liste_deco();
  ASSERT_TRUE(sauve_deco(4));
  EXPECT_NE(access("./objets/deco_4.dat", F_OK), 0);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(charge_deco(4));  // the caller tells the player: no message box from here
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(nb_deco, 1);
  EXPECT_EQ(prem_list_deco->type, 1);
}

TEST_F(Decorations, TruncatedFilesKeepCompleteRecords) {
  Ecrivain e;
  e.i32(1000);
  for (int i = 0; i < 8; i++) e.f32(1.0f);
  e.i32(3);
  e.f32(7.0f);  // the start of a second record
  ASSERT_TRUE(lit_deco(e.donnees().data(), e.taille()));
  EXPECT_EQ(nb_deco, 1);
  EXPECT_EQ(prem_list_deco->type, 3);
  const uint8_t rien[2] = {0, 0};
  EXPECT_FALSE(lit_deco(rien, sizeof rien));
  EXPECT_EQ(nb_deco, 0);
}

}  // namespace
