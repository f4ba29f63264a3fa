// The race: a bad racing line or a missing model refuses it and frees all; the start, the
// ranking and the podium.
#include <gtest/gtest.h>

#include <allegro.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <utility>
#include <vector>

#include "assetgen/ecrit3ds.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/evenement.h"
#include "support/outils_essai.h"
#include "world/materiaux.h"
#include "world/monde.h"
#include "world/trajectoire.h"

namespace {

// A racing-line file of `n` points along x (the count says `compte`).
void ecrit_trajectoire(int compte, int n) {
  Ecrivain e;
  e.i32(compte);
  for (int i = 0; i < n; i++) {
    for (float f : {-50.0f * i, 1.0f, 0.0f, -1.0f, 0.0f, 0.0f}) e.f32(f);
  }
  const auto octets = e.donnees();
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_trajectoire(), octets.data(), octets.size()));
}

TEST(Preparation, AShortRacingLineOrAMissingModelRefusesTheRaceAndFreesEverything) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  set_config_data("", 0);
  LEVEL_ACTIF = 6;
  // Circuit 6: a flat road and its minimap.
  CMaillage route;
  route.materiau("route", 90, 90, 90);
  const auto plat = [](float, float) { return 0.0f; };
  CMaillage::grille(route.objet("Rroute", "route"), CVector3(-200, 0, -200), 8, 8, 50.0f, plat);
  CMaillage carte;
  carte.materiau("carte", 1, 1, 1);
  CMaillage::grille(carte.objet("carte", "carte"), CVector3(-200, 0, -200), 2, 2, 200.0f, plat);
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_6.3ds", route));
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_m1_6.3ds", carte));
  const int materiaux_avant = g_Materiaux.materialCount;
  // The count a file says and the points it holds: no file at all, 0, negative, one, more than held.
  for (const auto& [compte, points] : {std::pair{-1, -1}, {0, 0}, {-4, 0}, {1, 1}, {9, 1}}) {
    SCOPED_TRACE(testing::Message() << compte << " " << points);
    std::remove(chemin_trajectoire().c_str());
    if (points >= 0) ecrit_trajectoire(compte, points);
    testing::internal::CaptureStderr();
    const tChargeCourse r = charge_course(nullptr, 1);
    EXPECT_EQ(std::tie(r.pret, r.trajectoire_courte, r.deco_par_defaut), std::make_tuple(false, true, true));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("traj_6.dat"), std::string::npos);
    EXPECT_EQ(std::make_tuple(nb_point_t, g_World.objectCount, g_Materiaux.materialCount),
              std::make_tuple(0, 0, materiaux_avant));
  }
  // Two points make a lap: the race is set up, the missing files' stand-ins counted.
  ecrit_trajectoire(2, 2);
  tChargeCourse r = charge_course(nullptr, 1);
  EXPECT_EQ(std::tie(r.pret, r.trajectoire_courte, r.modele_absent, r.deco_par_defaut,
                     r.effetSons_par_defaut), std::make_tuple(true, false, false, true, true));
  EXPECT_GT(r.decos_par_defaut, 0);
  EXPECT_GT(r.effetSons_crees, 0);
  EXPECT_EQ(nb_point_t, 2);
  EXPECT_GT(g_World.objectCount, 0);
  libere_course();

  // A missing model is reported, not the end of the program; nothing stays loaded.
  std::remove("objets/kan_m1_6.3ds");
  r = charge_course(nullptr, 1);
  EXPECT_EQ(std::tie(r.pret, r.modele_absent), std::make_tuple(false, true));
  EXPECT_TRUE(std::any_of(r.modeles.begin(), r.modeles.end(), [](const tRapport3DS& m) {
    return m.resultat == IMPORT_ABSENT && m.chemin.find("kan_m1_6") != std::string::npos;
  }));
  EXPECT_EQ(std::make_tuple(nb_point_t, g_World.objectCount, g_Materiaux.materialCount),
            std::make_tuple(0, 0, materiaux_avant));
  LEVEL_ACTIF = 1;
}

// The start releases every pilot; equal progress goes to the pilot nearer its target, then to the
// pilots' order; the podium needs a finish.
TEST(Course, StartRankingAndPodium) {
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
  const int valide[NB_JOUEURS] = {4, 0, 0, 4, 0, 7};
  const float cible[NB_JOUEURS] = {50, 1000, 1000, 20, 1000, 1000};
  for (int i = 0; i < NB_JOUEURS; i++) {
    pilotes[i].point_valide = valide[i];
    pilotes[i].distance_cible = cible[i];
  }
  init_classement();
  nb_point_t = 10;
  NOMBRE_TOURS = 2;
  classement_etape();
  // Pilots 1, 2 and 4 have equal score and distance: array order keeps the better place.
  std::vector<int> places;
  for (const auto& p : pilotes) places.push_back(p.GetClassement());
  EXPECT_EQ(places, (std::vector<int>{3, 4, 5, 2, 6, 1}));
  for (auto& p : pilotes) EXPECT_EQ(p.classementH, 1);
  EXPECT_EQ(pilotes[3].joueur_devant, &pilotes[5]);
  EXPECT_EQ(pilotes[3].classement_devant, 1);
  EXPECT_EQ(pilotes[3].joueur_derriere, &pilotes[0]);
  EXPECT_EQ(pilotes[5].joueur_devant, nullptr);
  EXPECT_EQ(pilotes[5].classement_devant, -1);
  EXPECT_EQ(pilotes[4].joueur_derriere, nullptr);
  pilotes[JOUEUR_HUMAIN].SetClassement(2);
  EXPECT_FALSE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].Set_Finish();
  EXPECT_TRUE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].SetClassement(4);
  EXPECT_FALSE(humain_sur_podium());
  for (auto& j : Joueurs) j = nullptr;
  nb_point_t = 0;
}

}  // namespace
