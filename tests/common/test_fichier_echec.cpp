// Atomic replacement when the disk refuses the bytes half way: the old file stays whole, no
// temporary is left behind, and the next write with room succeeds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fichier.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

TEST(FichierEchec, AWriteCutShortKeepsTheOldFileAndLeavesNothingElse) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  const std::string ancien(300, 'a');
  ASSERT_TRUE(ecrit_fichier_atomique("donnees.dat", ancien.data(), ancien.size()));
  const std::string nouveau(200000, 'n');
  {
    // Room for 4096 bytes: the first write() goes through in part, the next one fails.
    EcritureLimitee limite(4096);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
    // Nothing written at all also fails cleanly.
    EcritureLimitee rien(0);
    EXPECT_FALSE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
  }
  const std::vector<uint8_t> lu = octets_de("donnees.dat");
  EXPECT_EQ(std::string(lu.begin(), lu.end()), ancien);
  EXPECT_EQ(noms_dans("."), std::vector<std::string>{"donnees.dat"});

  // The limit gone, the same write replaces the file.
  ASSERT_TRUE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
  EXPECT_EQ(octets_de("donnees.dat").size(), nouveau.size());
}

TEST(FichierEchec, AFileExactlyAtTheLimitIsWritten) {
  // The limit is what fails the writes above, not the size of the data.
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  const std::string texte(4096, 'x');
  EcritureLimitee limite(4096);
  ASSERT_TRUE(limite.pret());
  EXPECT_TRUE(ecrit_fichier_atomique("juste.dat", texte.data(), texte.size()));
  EXPECT_FALSE(ecrit_fichier_atomique("juste.dat", texte.data(), texte.size() + 1));
  EXPECT_EQ(octets_de("juste.dat").size(), 4096u);
}

}  // namespace
