// Race set-up: an unraceable racing line or a missing model refuses the race, says why, frees all.
#include <gtest/gtest.h>

#include <allegro.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "assetgen/ecrit3ds.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "race/evenement.h"
#include "support/outils_essai.h"
#include "world/materiaux.h"
#include "world/monde.h"
#include "world/trajectoire.h"

namespace {

void ecrit_circuit(int circuit) {
  CMaillage c;
  c.materiau("route", 90, 90, 90);
  const auto plat = [](float, float) { return 0.0f; };
  CMaillage::grille(c.objet("Rroute", "route"), CVector3(-200, 0, -200), 8, 8, 50.0f, plat);
  CMaillage m;
  m.materiau("carte", 1, 1, 1);
  CMaillage::grille(m.objet("carte", "carte"), CVector3(-200, 0, -200), 2, 2, 200.0f, plat);
  const std::string n = std::to_string(circuit);
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_" + n + ".3ds", c));
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_m1_" + n + ".3ds", m));
}

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
  ecrit_circuit(6);
  const int materiaux_avant = g_Materiaux.materialCount;
  struct Cas {
    const char* quoi;
    int compte, points;  // compte < 0 with no points: no file at all
  };
  for (const Cas& c : {Cas{"no file", -1, -1}, Cas{"count 0", 0, 0}, Cas{"negative count", -4, 0},
                       Cas{"one point", 1, 1}, Cas{"count above the points", 9, 1}}) {
    std::remove(chemin_trajectoire().c_str());
    if (c.points >= 0) ecrit_trajectoire(c.compte, c.points);
    testing::internal::CaptureStderr();
    const tChargeCourse r = charge_course(nullptr, 1);
    EXPECT_FALSE(r.pret) << c.quoi;
    EXPECT_TRUE(r.trajectoire_courte) << c.quoi;
    EXPECT_TRUE(r.deco_par_defaut) << c.quoi;
    EXPECT_NE(testing::internal::GetCapturedStderr().find("traj_6.dat"), std::string::npos) << c.quoi;
    // Everything the set-up loaded is freed again.
    EXPECT_EQ(nb_point_t, 0) << c.quoi;
    EXPECT_EQ(g_World.objectCount, 0) << c.quoi;
    EXPECT_EQ(g_Materiaux.materialCount, materiaux_avant) << c.quoi;
  }
  // Two points make a lap: the race is set up, the missing files' stand-ins counted.
  ecrit_trajectoire(2, 2);
  tChargeCourse r = charge_course(nullptr, 1);
  EXPECT_TRUE(r.pret);
  EXPECT_FALSE(r.trajectoire_courte || r.modele_absent);
  EXPECT_TRUE(r.deco_par_defaut && r.effetSons_par_defaut);
  EXPECT_GT(r.decos_par_defaut, 0);
  EXPECT_GT(r.effetSons_crees, 0);
  EXPECT_EQ(nb_point_t, 2);
  EXPECT_GT(g_World.objectCount, 0);
  libere_course();

  // A missing model is reported, not the end of the program; nothing stays loaded.
  std::remove("objets/kan_m1_6.3ds");
  r = charge_course(nullptr, 1);
  EXPECT_FALSE(r.pret);
  EXPECT_TRUE(r.modele_absent);
  EXPECT_TRUE(std::any_of(r.modeles.begin(), r.modeles.end(), [](const tRapport3DS& m) {
    return m.resultat == IMPORT_ABSENT && m.chemin.find("kan_m1_6") != std::string::npos;
  }));
  EXPECT_EQ(nb_point_t, 0);
  EXPECT_EQ(g_World.objectCount, 0);
  EXPECT_EQ(g_Materiaux.materialCount, materiaux_avant);
  LEVEL_ACTIF = 1;
}

}  // namespace
