// A sound-environment save that the disk cuts short keeps the circuit's previous file whole,
// says it failed, keeps the list, and the next save with room writes it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

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
