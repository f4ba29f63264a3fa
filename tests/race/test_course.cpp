// Race pacing: the start releases every pilot; the podium needs a finish.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "objects/joueur.h"
#include "race/classement.h"
#include "race/course.h"

namespace {

TEST(Course, StartReleasesEveryPilotAndPodiumNeedsAFinish) {
  CObjJoueur pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i] = &pilotes[i];
  prepare_pilotes();
  for (auto& p : pilotes) {
    EXPECT_EQ(p.GetEtat(), EtatPilote::Attend);
    EXPECT_EQ(p.GetPointValide(), 0);
  }
  demarre_course();
  for (auto& p : pilotes) {
    EXPECT_TRUE(p.peut_bouger);
    EXPECT_EQ(p.GetEtat(), EtatPilote::Roule);
  }
  pilotes[JOUEUR_HUMAIN].SetClassement(2);
  EXPECT_FALSE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].Set_Finish();
  EXPECT_TRUE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].SetClassement(4);
  EXPECT_FALSE(humain_sur_podium());
  for (auto& j : Joueurs) j = nullptr;
}

}  // namespace
