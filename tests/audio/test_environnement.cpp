// The circuit's sound environment: the list rules, the file both ways (short and hostile files
// included, and a save the disk cuts short), and what CreationOcclusion leaves in a sound system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "common/binio.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "support/donnees_essai.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

class Environnement : public ::testing::Test {
 protected:
  void TearDown() override {
    Effacement_liste_effetSon();
    destroy_reverberations();
    libere_occlusion();
  }
};

// Two polygons with a reverb zone between them, with distinct values in every field.
void trois_elements() {
  creation_effetSon(10, 1, -20, 0);
  set_verts_effetSon(1, 6, 0.5f, 2);
  set_verts_effetSon(2, 6, 40, 2);
  set_verts_effetSon(3, 0, 35, 0);
  set_effetSon(0.75f, 0.25f);
  creation_effetSon(30, 2, -40, 1);
  set_type_effetSon(EFSON_REVERB);
  set_reverb(12.5f, 30, 4);
  creation_effetSon(-5, 0, 7, 2);
}

TEST_F(Environnement, NewElementsGoAfterTheCurrentAndRemovalKeepsANeighbourCurrent) {
  creation_effetSon(1, 0, 0, 0);
  creation_effetSon(2, 0, 0, 1);
  creation_effetSon(3, 0, 0, 2);
  act_effetSon = prem_list_effetSon;
  creation_effetSon(9, 0, 0, 7);
  EXPECT_EQ(act_effetSon->numero, 8);
  std::vector<float> xs;
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant) xs.push_back(e->position.x);
  EXPECT_EQ(xs, (std::vector<float>{1, 9, 2, 3}));
  EXPECT_EQ(nb_effetSon, 4);
  EXPECT_EQ(nb_occlu, 4);

  Destruct_effetSon(prem_list_effetSon);  // the first: the new first becomes current
  EXPECT_EQ(act_effetSon, prem_list_effetSon);
  EXPECT_FLOAT_EQ(act_effetSon->position.x, 9);
  Destruct_effetSon(haut_list_effetSon);  // the last: the new last becomes current
  EXPECT_EQ(act_effetSon, haut_list_effetSon);
  EXPECT_FLOAT_EQ(act_effetSon->position.x, 2);
  Destruct_effetSon(act_effetSon);
  Destruct_effetSon(act_effetSon);
  EXPECT_EQ(nb_effetSon, 0);
  EXPECT_EQ(act_effetSon, nullptr);
  EXPECT_EQ(prem_list_effetSon, nullptr);
  EXPECT_EQ(haut_list_effetSon, nullptr);
  // Setters on an empty list do nothing rather than crash.
  set_type_effetSon(2);
  set_reverb(1, 2, 3);
  set_verts_effetSon(1, 0, 0, 0);
  Destruct_effetSon(act_effetSon);
  EXPECT_EQ(nb_effetSon, 0);
}

TEST_F(Environnement, FileLayoutRoundTripsByteForByte) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  LEVEL_ACTIF = 3;
  trois_elements();
  ASSERT_TRUE(sauve_effetSon());
  std::vector<uint8_t> premier;
  ASSERT_TRUE(lit_fichier("./objets/efson_3.dat", premier));
  ASSERT_EQ(premier.size(), 264u);
  // Header: three records, two polygons, one zone. The second record (the zone): type at 96,
  // position at 100, radii at 156 and 160, preset at 164.
  Lecteur lec(premier.data(), premier.size());
  int32_t nb = 0, polygones = 0, zones = 0, type = 0, preset = 0;
  float x = 0, min_dist = 0;
  lec.i32(nb);
  lec.i32(polygones);
  lec.i32(zones);
  EXPECT_EQ(std::vector<int32_t>({nb, polygones, zones}), (std::vector<int32_t>{3, 2, 1}));
  lec.va(96);
  lec.i32(type);
  lec.f32(x);
  lec.va(156);
  lec.f32(min_dist);
  lec.va(164);
  lec.i32(preset);
  EXPECT_EQ(type, 2);
  EXPECT_FLOAT_EQ(x, 30);
  EXPECT_FLOAT_EQ(min_dist, 12.5f);
  EXPECT_EQ(preset, 4);

  Effacement_liste_effetSon();
  EXPECT_TRUE(charge_effetSons());
  EXPECT_EQ(nb_effetSon, 3);
  EXPECT_EQ(prem_list_effetSon->numero, 1);
  EXPECT_EQ(haut_list_effetSon->numero, 3);
  EXPECT_FLOAT_EQ(prem_list_effetSon->sommets[1].y, 0.5f);
  EXPECT_FLOAT_EQ(prem_list_effetSon->occlusion_reverb, 0.25f);
  ASSERT_TRUE(sauve_effetSon());
  std::vector<uint8_t> second;
  ASSERT_TRUE(lit_fichier("./objets/efson_3.dat", second));
  EXPECT_EQ(second, premier);

  // An empty list leaves no file behind.
  Effacement_liste_effetSon();
  EXPECT_TRUE(sauve_effetSon());
  struct stat st;
  EXPECT_NE(stat("./objets/efson_3.dat", &st), 0);
}

TEST_F(Environnement, ShortOrHostileFilesKeepTheirCompleteRecordsOnly) {
  trois_elements();
  const std::vector<uint8_t> bon = encode_effetSon();
  Effacement_liste_effetSon();

  // Header promising three records, bytes for two and a half.
  std::vector<uint8_t> court(bon.begin(), bon.begin() + 12 + 84 * 2 + 40);
  ASSERT_TRUE(lit_effetSons(court.data(), court.size()));
  EXPECT_EQ(nb_effetSon, 2);
  EXPECT_EQ(file_nb_effetSon, 3);
  EXPECT_EQ(haut_list_effetSon->type, EFSON_REVERB);

  // A huge count over a handful of bytes, and a negative one.
  std::vector<uint8_t> menteur = bon;
  const int32_t enorme = 0x7fffffff, negatif = -5;
  std::memcpy(menteur.data(), &enorme, 4);
  ASSERT_TRUE(lit_effetSons(menteur.data(), menteur.size()));
  EXPECT_EQ(nb_effetSon, 3);
  std::memcpy(menteur.data(), &negatif, 4);
  ASSERT_TRUE(lit_effetSons(menteur.data(), menteur.size()));
  EXPECT_EQ(nb_effetSon, 0);

  // Not even a header.
  EXPECT_FALSE(lit_effetSons(bon.data(), 11));
  EXPECT_FALSE(lit_effetSons(nullptr, 0));
  EXPECT_EQ(nb_effetSon, 0);
}

TEST_F(Environnement, MissingFileGivesOneDefaultPolygon) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  LEVEL_ACTIF = 4;
  trois_elements();
  testing::internal::CaptureStdout();
  EXPECT_FALSE(charge_effetSons());  // the caller tells the player: no message box from here
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  ASSERT_EQ(nb_effetSon, 1);
  const SEffetSon* e = act_effetSon;
  EXPECT_EQ(e->type, EFSON_OCCLUSION);
  EXPECT_EQ(e->numero, 1);
  EXPECT_FLOAT_EQ(e->sommets[2].y, 100);
  EXPECT_FLOAT_EQ(e->occlusion_directe, 0.9f);
  EXPECT_EQ(file_nb_effetSon, 0);
}

TEST_F(Environnement, PresetNamesWithBathroomOutsideTheSix) {
  const std::pair<int, const char*> cas[] = {{1, "BATHROOM"}, {3, "CAVE"},     {6, "STONECORRIDOR"},
                                             {9, "BATHROOM"}, {0, "BATHROOM"}, {INT32_MIN, "BATHROOM"}};
  for (const auto& [n, nom] : cas) EXPECT_STREQ(nom_preset_reverb(n), nom) << n;
}

// The layer's own objects: every polygon of the list fits the geometry even when the header
// undercounts them, and every zone lands in the reverb chain until it is destroyed.
TEST_F(Environnement, CreationOcclusionBuildsGeometryAndZonesInTheSystem) {
  ASSERT_EQ(son_systeme_cree(&g_SystemeSon), SON_OK);
  ASSERT_EQ(son_systeme_set_sortie(g_SystemeSon, SON_SORTIE_NULLE), SON_OK);
  ASSERT_EQ(son_systeme_init(g_SystemeSon, 16, SON_INIT_OCCLUSION), SON_OK);
  trois_elements();
  std::vector<uint8_t> d = encode_effetSon();
  const int32_t un = 1;
  std::memcpy(d.data() + 4, &un, 4);  // header: 1 polygon for 2 in the records
  ASSERT_TRUE(lit_effetSons(d.data(), d.size()));
  CreationOcclusion(-100, 100, -10, 50, -200, 200);
  Effacement_liste_effetSon();
  ASSERT_FALSE(son_handle_vide(occlu_geometrie));
  EXPECT_EQ(nb_reverberations(), 1);
  // The geometry is full: both polygons went in.
  const SonVecteur carre[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(occlu_geometrie, 1, 1, true, 4, carre, nullptr), SON_ERR_PLUS_DE_PLACE);
  destroy_reverberations();
  EXPECT_EQ(nb_reverberations(), 0);
  const HGeometrie ancienne = occlu_geometrie;
  libere_occlusion();
  EXPECT_TRUE(son_handle_vide(occlu_geometrie));
  EXPECT_EQ(son_geometrie_libere(ancienne), SON_ERR_HANDLE_INVALIDE);
  son_systeme_libere(g_SystemeSon);
  g_SystemeSon = HSysteme{};
}

// The circuit generator's files: every record is read and written back to the same bytes.
TEST_F(Environnement, GeneratedCircuitFilesLoadAndSaveBackUnchanged) {
  std::string pourquoi;
  const std::string donnees = donnees_jeu(&pourquoi);
  ASSERT_FALSE(donnees.empty()) << pourquoi;
  for (int i = 1; i <= 5; i++) {
    const std::string f = donnees + "/objets/efson_" + std::to_string(i) + ".dat";
    std::vector<uint8_t> d;
    ASSERT_TRUE(lit_fichier(f, d)) << f << " is missing";
    ASSERT_TRUE(lit_effetSons(d.data(), d.size())) << i;
    EXPECT_EQ(nb_effetSon, file_nb_effetSon) << i;
    EXPECT_EQ(encode_effetSon(), d) << i;
  }
}

// A save cut short keeps the previous file whole, says it failed, keeps the list; the next one writes.
TEST(EffetsSonEchec, ASaveCutShortKeepsThePreviousFile) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  LEVEL_ACTIF = 4;
  Effacement_liste_effetSon();
  for (int i = 0; i < 12; i++) {
    creation_effetSon(20.0f * i, 0, 5, i);
    if (i % 3 == 0) {
      set_type_effetSon(EFSON_REVERB);
      set_reverb(10, 60, 1 + i % 6);
    } else {
      set_effetSon(0.7f, 0.4f);
    }
  }
  ASSERT_TRUE(sauve_effetSon());
  const std::vector<uint8_t> avant = octets_de("objets/efson_4.dat");
  ASSERT_EQ(avant.size(), 12u + 84 * 12);

  Destruct_effetSon(act_effetSon);
  set_effetSon(0.1f, 0.9f);
  const std::vector<uint8_t> voulu = encode_effetSon();
  {
    EcritureLimitee limite(300);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(sauve_effetSon());
  }
  EXPECT_EQ(octets_de("objets/efson_4.dat"), avant);
  EXPECT_EQ(noms_dans("objets"), std::vector<std::string>{"efson_4.dat"});
  EXPECT_EQ(nb_effetSon, 11);

  ASSERT_TRUE(sauve_effetSon());
  EXPECT_EQ(octets_de("objets/efson_4.dat"), voulu);
  Effacement_liste_effetSon();
}

}  // namespace
