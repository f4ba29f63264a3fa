// Racing line: the file both ways, truncated files, and the editor's operations on the list.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/binio.h"
#include "common/globals.h"
#include "support/outils_essai.h"
#include "world/trajectoire.h"

namespace {

class Trajectoire : public ::testing::Test {
 protected:
  void SetUp() override { Effacement_liste_point_t(); }
  void TearDown() override { Effacement_liste_point_t(); }

  // Checks the links both ways against the count and the end pointers.
  static void verifie_chainage() {
    int n = 0;
    Point_Traj* avant = nullptr;
    for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
      EXPECT_EQ(p->precedent, avant);
      avant = p;
      n++;
    }
    EXPECT_EQ(avant, haut_list_ptraj);
    EXPECT_EQ(n, nb_point_t);
  }
};

std::vector<uint8_t> fichier(int n, const std::vector<float>& floats) {
  Ecrivain e;
  e.i32(n);
  for (float f : floats) e.f32(f);
  return e.donnees();
}

TEST_F(Trajectoire, LoadingNumbersPointsClosesTheLoopAndKeepsCompleteRecordsOnly) {
  const auto octets = fichier(3, {0, 0, 0, 1, 0, 0, 30, 0, 0, 0, 0, 1, 30, 0, 40, -1, 0, 0});
  LONGUEUR_CHAMPIONNAT = 0;
  ASSERT_TRUE(lit_trajectoire(octets.data(), octets.size()));
  calcule_trajectoire();
  EXPECT_EQ(haut_list_ptraj->numero, 3);
  EXPECT_FLOAT_EQ(prem_list_ptraj->longueur, 30);
  EXPECT_FLOAT_EQ(haut_list_ptraj->longueur, 50);  // back to the first point
  EXPECT_FLOAT_EQ(LONGUEUR_CIRCUIT, 120);
  EXPECT_FLOAT_EQ(prem_list_ptraj->suivant->normale.z, 1);
  // Along +x the side vector is (x, 0, z) x (0, 1, 0) = (0, 0, 1).
  EXPECT_NEAR(Distance(prem_list_ptraj->lateral, CVector3(0, 0, 1)), 0, 1e-6);

  const struct {
    std::vector<uint8_t> octets;
    int points;
    bool lu;
  } cas[] = {{std::vector<uint8_t>(octets.begin(), octets.end() - 16), 2, true},
             {fichier(2000000000, {1, 2, 3, 4, 5, 6}), 1, true},
             {fichier(-5, {1, 2, 3, 4, 5, 6}), 0, true},
             {{1, 0, 0}, 0, false}};  // not even a count
  for (const auto& c : cas) {
    EXPECT_EQ(lit_trajectoire(c.octets.data(), c.octets.size()), c.lu);
    EXPECT_EQ(nb_point_t, c.points);
  }
}

TEST_F(Trajectoire, SaveWritesCountThenSixFloatsPerPointAndRoundTrips) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  LEVEL_ACTIF = 3;
  creation_point_t(1.5f, 2, 3, 0);
  set_ptraj_normale(0, 0, -1);
  EXPECT_EQ(encode_trajectoire().size(), 28u);
  creation_point_t(7, 8, 9, 1);
  ASSERT_TRUE(sauve_trajectoire());
  const auto attendu = encode_trajectoire();
  Effacement_liste_point_t();
  LONGUEUR_CHAMPIONNAT = 100;
  EXPECT_TRUE(charge_trajectoire());
  EXPECT_EQ(encode_trajectoire(), attendu);
  EXPECT_FLOAT_EQ(LONGUEUR_CHAMPIONNAT, 100 + LONGUEUR_CIRCUIT);
  // No points left: no file left.
  Effacement_liste_point_t();
  ASSERT_TRUE(sauve_trajectoire());
  EXPECT_NE(access("./objets/traj_3.dat", F_OK), 0);
  // No file: one point at the origin, and the caller tells the player, not a message box here.
  testing::internal::CaptureStdout();
  EXPECT_FALSE(charge_trajectoire());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(nb_point_t, 1);
  EXPECT_EQ(prem_list_ptraj->numero, 1);
  LEVEL_ACTIF = 1;
}

TEST_F(Trajectoire, EditorOperationsWrapReaimNeighboursAndRemovalMovesToANeighbour) {
  supprime_ptraj();
  insere_ptraj();
  ptraj_actif_suivant();
  deplace_ptraj(1, 0, 0);  // all harmless on an empty list
  EXPECT_EQ(nb_point_t, 0);
  creation_point_t(0, 0, 0, 0);
  deplace_ptraj(0, 1, 0);  // a lone point moves but keeps its direction
  EXPECT_FLOAT_EQ(act_ptraj->position.y, 1);
  EXPECT_FLOAT_EQ(act_ptraj->normale.y, 1);
  deplace_ptraj(0, -1, 0);
  creation_point_t(10, 0, 0, 1);
  creation_point_t(10, 0, 10, 2);
  ptraj_actif_suivant();
  EXPECT_EQ(act_ptraj, prem_list_ptraj);
  ptraj_actif_precedent();
  EXPECT_EQ(act_ptraj, haut_list_ptraj);
  // Moving the first point re-aims it at the second and the last at it.
  act_ptraj = prem_list_ptraj;
  deplace_ptraj(0, 0, 10);
  EXPECT_NEAR(Distance(prem_list_ptraj->normale, CVector3(0.70710678f, 0, -0.70710678f)), 0, 1e-6);
  EXPECT_NEAR(haut_list_ptraj->normale.x, -1, 1e-6);
  // Insert sits on top of the current point, after it.
  insere_ptraj();
  EXPECT_EQ(act_ptraj->precedent, prem_list_ptraj);
  EXPECT_FLOAT_EQ(act_ptraj->position.z, 10);
  EXPECT_EQ(act_ptraj->numero, 1);
  verifie_chainage();
  // Removing a middle point makes its next current; removing the last makes its previous current.
  Destruct_point_t(act_ptraj);
  EXPECT_EQ(act_ptraj->numero, 2);
  Destruct_point_t(haut_list_ptraj);
  EXPECT_EQ(act_ptraj, haut_list_ptraj);
  Destruct_point_t(prem_list_ptraj);
  EXPECT_EQ(act_ptraj, prem_list_ptraj);
  verifie_chainage();
  Destruct_point_t(act_ptraj);
  EXPECT_EQ((std::vector<const void*>{act_ptraj, prem_list_ptraj, haut_list_ptraj}),
            std::vector<const void*>(3));
}

}  // namespace
