// Material table and models: stack discipline, headless loading, missing files, circuit reloads.
#include <gtest/gtest.h>

#include <allegro.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "assetgen/ecrit3ds.h"
#include "common/globals.h"
#include "support/outils_essai.h"
#include "world/materiaux.h"
#include "world/minimap.h"
#include "world/modeles.h"
#include "world/monde.h"
#include "world/objsup.h"
#include "world/octree.h"

namespace {

// Runs each test inside a fresh folder holding ./objets, ./files and ./maps.
class Dossier : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    for (const char* d : {"objets", "files", "maps"}) mkdir(d, 0755);
    clear_g_Materiaux();
    for (unsigned int& t : g_Texture) t = 0;
  }
  void TearDown() override { destroy_materiaux(); }
  // A model of one textured material per object name.
  static void ecrit(const std::string& chemin, std::initializer_list<const char*> objets) {
    CMaillage m;
    for (const char* nom : objets) {
      m.materiau(std::string("mat_") + nom, 10, 20, 30, std::string(nom) + ".jpg");
      tObjetMaillage& o = m.objet(nom, std::string("mat_") + nom, true);
      CMaillage::boite(o, CVector3(-1, -1, -1), CVector3(1, 1, 1));
    }
    ASSERT_TRUE(ecrit_3ds_fichier(chemin, m));
  }
  DossierTemporaire dossier_;
};

using Materiaux = Dossier;

TEST_F(Materiaux, StartUpModelsLoadHeadlessInOrderReportMissingFilesAndFreeAsAStack) {
  ecrit("files/augie_font.3ds", {"glyphe"});
  for (int k = 1; k <= 6; k++) ecrit("objets/vaisseau" + std::to_string(k) + "_1.3ds", {"coque"});
  for (const char* f : {"fougere", "fougere_1", "herbe", "herbe_1", "arbre", "orchidee", "orchidee_2", "palmier",
                        "clochettes"}) {
    ecrit(std::string("objets/") + f + ".3DS", {"feuille"});
  }
  for (const char* f : {"anneau", "b_speed", "b_missile", "mine", "explo"}) {
    ecrit(std::string("objets/") + f + ".3DS", {"Ahalo", "corps"});
  }
  std::ofstream("objets/missile.3DS") << "pas un modele";  // and no b_mine at all
  EXPECT_TRUE(charge_police().empty());
  EXPECT_TRUE(charge_mesh_joueurs().empty());
  EXPECT_TRUE(charge_mesh_deco().empty());
  // The loaders tell their caller, in load order, of the files the player must hear about; a
  // missing file no longer ends the process, it leaves its model empty and the next ones load.
  testing::internal::CaptureStderr();
  const tRapports3DS r = charge_mesh_bonus();
  const std::string erreurs = testing::internal::GetCapturedStderr();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].chemin + " " + r[1].chemin, "./objets/b_mine.3DS ./objets/missile.3DS");
  EXPECT_EQ(std::make_pair(r[0].resultat, r[1].resultat), std::make_pair(IMPORT_ABSENT, IMPORT_PAS_3DS));
  EXPECT_NE(erreurs.find("Error : Unable to find the file: ./objets/b_mine.3DS!"), std::string::npos)
      << erreurs;
  EXPECT_EQ(message_import_3ds(r[1].resultat, r[1].chemin.c_str()),
            "Error : Unable to load PRIMARY chunck from file: ./objets/missile.3DS!");
  EXPECT_EQ(bonus_mine.objectCount + missile.objectCount, 0);
  EXPECT_EQ(missile.endMaterial, missile.firstMaterial);  // a file that fails takes no material
  // Font, six ships, nine plants, then the bonuses: the order the materials are freed in.
  EXPECT_EQ(Joueur_6.firstMaterial, 6);
  EXPECT_EQ(anneau.firstMaterial, 16);
  EXPECT_EQ(g_Materiaux.materialCount, 26);
  // Bonus models before the eye: their glowing parts add on, the rest hides what is behind.
  EXPECT_EQ(fusion_oeil(explosion.objects[0]), FusionOeil::additive);
  EXPECT_EQ(fusion_oeil(explosion.objects[1]), FusionOeil::opaque);
  EXPECT_TRUE(anneau.objects[1].hasTexture);
  for (int i = 0; i < 26; i++) {
    EXPECT_EQ(g_Materiaux.materials[i].textureSlot, i);
    EXPECT_EQ(g_Texture[i], 0u);  // no GL context: nothing uploaded
  }

  destroy_bonus();
  EXPECT_EQ(g_Materiaux.materialCount, 16);
  EXPECT_TRUE(anneau.objects.empty());
  destroy_bonus();  // freeing twice must not take the plants' materials
  EXPECT_EQ(g_Materiaux.materialCount, 16);
  destroy_deco();
  destroy_mesh_joueurs();
  EXPECT_EQ(g_Materiaux.materialCount, 1);
  destroy_police();
  EXPECT_EQ(Police.objectCount, 0);
  EXPECT_EQ(g_Materiaux.materialCount, 1);  // the font's materials go with the table
  destroy_materiaux();
  EXPECT_EQ(g_Materiaux.materialCount, 0);
}

using Circuit = Dossier;

TEST_F(Circuit, LoadedTwiceGetsTheSameIndicesAndClasses) {
  ecrit("objets/deja.3ds", {"x"});
  CMaillage c;
  c.materiau("route", 90, 90, 90, "route.jpg");  // no such texture: "mappings" 0 never opens it
  c.materiau("mur", 120, 60, 30);
  tObjetMaillage& r = c.objet("Rroute", "route", true);
  CMaillage::grille(r, CVector3(-100, 0, -100), 20, 20, 10.0f, [](float, float) { return 0.0f; });
  CMaillage::boite(c.objet("Dmur", "mur"), CVector3(-100, 0, -100), CVector3(100, 12, -98));
  CMaillage::boite(c.objet("dtoit", "mur"), CVector3(-10, 30, -10), CVector3(10, 32, 10));
  CMaillage::boite(c.objet("Gherbe", "mur"), CVector3(-5, -2, -5), CVector3(5, -1, 5));
  LEVEL_ACTIF = 3;
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_3.3ds", c));
  CMaillage mini;
  mini.materiau("carte", 1, 1, 1);
  CMaillage::grille(mini.objet("carte", "carte"), CVector3(0, 0, 0), 2, 2, 50.0f, [](float, float) { return 0.0f; });
  ASSERT_TRUE(ecrit_3ds_fichier("objets/kan_m1_3.3ds", mini));
  const char config[] = "[physics]\nglissement = 0.25\n";
  set_config_data(config, sizeof config - 1);

  t3DModel deja;
  tRapports3DS rapports;
  charge_mesh(&deja, "./objets/deja.3ds", &rapports);
  for (int tour = 0; tour < 2; tour++) {
    const tChargeMonde etat = charge_monde();
    EXPECT_TRUE(etat.deco_absente);  // one default fern, told by the caller
    EXPECT_TRUE(etat.modeles.empty());
    EXPECT_EQ(glissement, 0.25f);
    EXPECT_EQ(g_Minimap.modele, &Minimap);
    EXPECT_EQ(std::vector<int>({Minimap.firstMaterial, g_World.firstMaterial, g_World.endMaterial,
                                g_World.objects[1].materialIndex}),
              (std::vector<int>{1, 2, 4, 3}));
    std::vector<int> classes;
    for (const t3DObject& o : g_World.objects) classes.push_back(o.surfaceType);
    EXPECT_EQ(classes, (std::vector<int>{SURFACE_RAPIDE, SURFACE_MUR, SURFACE_DECOR, SURFACE_LENTE}));
    EXPECT_EQ(std::make_pair(wminx, wmaxy), std::make_pair(-100.0f, 32.0f));
    EXPECT_GT(g_EndNodeCount, 1);  // 800 road triangles do not fit one end node
    EXPECT_EQ(g_Octree.GetTriangleCount(), 800 + 36);
    destroy_monde();
    EXPECT_EQ(std::vector<int>({g_EndNodeCount, g_Materiaux.materialCount, g_World.objectCount,
                                Minimap.objectCount}),
              (std::vector<int>{0, 1, 0, 0}));
  }
  destroy_obj(&deja);
  set_config_data("", 0);
  LEVEL_ACTIF = 1;
}

}  // namespace
