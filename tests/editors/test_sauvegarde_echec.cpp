// F2 in the editing modes when the disk refuses the file: the circuit's file stays whole, the
// failure is said once for a held key, the edit goes on, and F2 with room saves.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "editors/commandes.h"
#include "editors/touches.h"
#include "support/ecriture_limitee.h"
#include "support/clavier_essai.h"
#include "support/outils_essai.h"
#include "world/decorations.h"
#include "world/trajectoire.h"

namespace {

// `n` steps with F2 held, under a file size limit; what the steps said on stderr.
std::string f2_tenu(void (*commandes)(), int n, rlim_t limite_octets) {
  testing::internal::CaptureStderr();
  {
    EcritureLimitee limite(limite_octets);
    for (int i = 0; i < n; i++) {
      relache_touches();
      key[KEY_F2] = 1;
      commandes();
      touches_fin_pas();
    }
    relache_touches();
    touches_fin_pas();
  }
  return testing::internal::GetCapturedStderr();
}

size_t occurrences(const std::string& texte, const std::string& mot) {
  size_t n = 0;
  for (size_t p = texte.find(mot); p != std::string::npos; p = texte.find(mot, p + 1)) n++;
  return n;
}

class EditeursEchec : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    ASSERT_EQ(mkdir("objets", 0755), 0);
    LEVEL_ACTIF = 5;
    relache_touches();
    touches_reinit();
  }
  void TearDown() override {
    relache_touches();
    Effacement_liste_effetSon();
    Effacement_liste_deco();
    Effacement_liste_point_t();
  }
  DossierTemporaire dossier_;
};

TEST_F(EditeursEchec, EachEditorKeepsItsFileAndSaysSoOncePerPress) {
  for (int i = 0; i < 30; i++) creation_point_t(7.0f * i, 0, 0, i);
  for (int i = 0; i < 30; i++) creation_deco(3.0f * i, 0, 1);
  for (int i = 0; i < 10; i++) creation_effetSon(5.0f * i, 0, 2, i);
  ASSERT_TRUE(sauve_trajectoire());
  ASSERT_TRUE(sauve_deco(5));
  ASSERT_TRUE(sauve_effetSon());
  creation_point_t(1, 2, 3, 30);
  creation_deco(9, 9, 9);
  creation_effetSon(1, 1, 1, 10);
  const struct {
    void (*commandes)();
    std::string fichier;
    std::vector<uint8_t> (*encode)();
  } editeurs[] = {{CommandesTraj, "objets/traj_5.dat", encode_trajectoire},
                  {CommandesDeco, "objets/deco_5.dat", encode_deco},
                  {CommandesEffetSon, "objets/efson_5.dat", encode_effetSon}};
  for (const auto& e : editeurs) {
    SCOPED_TRACE(e.fichier);
    const std::vector<uint8_t> avant = octets_de(e.fichier);
    const std::string dit = f2_tenu(e.commandes, 3, 300);
    EXPECT_EQ(occurrences(dit, e.fichier.substr(7) + " could not be written"), 1u) << dit;
    EXPECT_EQ(octets_de(e.fichier), avant);
    EXPECT_EQ(noms_dans("objets").size(), 3u);
    // With room, the same key writes the list as it is now, and says nothing.
    EXPECT_EQ(f2_tenu(e.commandes, 1, RLIM_INFINITY), "");
    EXPECT_EQ(octets_de(e.fichier), e.encode());
  }
}

}  // namespace
