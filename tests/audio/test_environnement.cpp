// The circuit's sound environment file both ways, and what CreationOcclusion leaves in the layer.
#include "audio/effets_son.h"
#include "audio/outils_son.h"
#include "audio/son.h"
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

TEST_F(Environnement, FileLayoutRoundTripsByteForByteAndShortOrHostileFilesKeepTheirCompleteRecordsOnly) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_TRUE(std::filesystem::create_directory("objets"));
  LEVEL_ACTIF = 3;
  trois_elements();
  ASSERT_TRUE(sauve_effetSon());
  const std::vector<uint8_t> premier = octets_de("./objets/efson_3.dat");
  ASSERT_EQ(premier.size(), 264u);
  auto vaut = [&](size_t pos, auto attendu) {  // the little-endian number at `pos`
    decltype(attendu) x{};
    std::memcpy(&x, &premier.at(pos), sizeof x);
    EXPECT_EQ(x, attendu) << pos;
  };
  // Header: three records, two polygons, one zone. The second record (the zone): type at 96,
  // position at 100, radii at 156 and 160, preset at 164.
  for (auto [pos, v] : {std::pair<size_t, int32_t>{0, 3}, {4, 2}, {8, 1}, {96, 2}, {164, 4}}) vaut(pos, v);
  vaut(100, 30.0f);
  vaut(156, 12.5f);
  // Zone presets 1 to 6 name the layer's presets, any other number the first.
  EXPECT_STREQ(nom_preset_reverb(4), "HANGAR");
  EXPECT_STREQ(nom_preset_reverb(INT32_MIN), "BATHROOM");

  Effacement_liste_effetSon();
  EXPECT_TRUE(charge_effetSons());
  EXPECT_EQ(nb_effetSon, 3);
  EXPECT_EQ(haut_list_effetSon->numero, 3);  // numbered again in file order
  ASSERT_TRUE(sauve_effetSon());
  EXPECT_EQ(octets_de("./objets/efson_3.dat"), premier);

  // An empty list leaves no file behind.
  Effacement_liste_effetSon();
  EXPECT_TRUE(sauve_effetSon());
  EXPECT_FALSE(std::filesystem::exists("./objets/efson_3.dat"));

  // Header promising three records, bytes for two and a half.
  std::vector<uint8_t> court(premier.begin(), premier.begin() + 12 + 84 * 2 + 40);
  ASSERT_TRUE(lit_effetSons(court.data(), court.size()));
  EXPECT_EQ(nb_effetSon, 2);
  EXPECT_EQ(file_nb_effetSon, 3);
  EXPECT_EQ(haut_list_effetSon->type, EFSON_REVERB);

  // A huge count over a handful of bytes, and a negative one.
  std::vector<uint8_t> menteur = premier;
  for (const auto& [compte, lus] : {std::pair<int32_t, int>{0x7fffffff, 3}, {-5, 0}}) {
    std::memcpy(menteur.data(), &compte, 4);
    ASSERT_TRUE(lit_effetSons(menteur.data(), menteur.size())) << compte;
    EXPECT_EQ(nb_effetSon, lus) << compte;
  }

  // Not even a header.
  EXPECT_FALSE(lit_effetSons(premier.data(), 11));
  EXPECT_FALSE(lit_effetSons(nullptr, 0));
  EXPECT_EQ(nb_effetSon, 0);
}

// Every polygon fits the geometry even when the header undercounts them; zones join the reverb chain.
TEST_F(Environnement, CreationOcclusionBuildsGeometryAndZonesInTheSystem) {
  g_SystemeSon = test_son::systeme(SON_SORTIE_NULLE);
  trois_elements();
  std::vector<uint8_t> d = encode_effetSon();
  d.at(4) = 1;  // header: 1 polygon (the low byte of 2) for 2 in the records
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
    const std::vector<uint8_t> d = octets_de(f);
    ASSERT_FALSE(d.empty()) << f << " is missing";
    ASSERT_TRUE(lit_effetSons(d.data(), d.size())) << i;
    EXPECT_EQ(nb_effetSon, file_nb_effetSon) << i;
    EXPECT_EQ(encode_effetSon(), d) << i;
  }
}

}  // namespace
