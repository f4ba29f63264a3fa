// File helpers and the bounded reader: nothing read past the end, nothing half-written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/binio.h"
#include "common/fichier.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

// A write replaces the whole file, or fails keeping the old one whole and leaving no temporary
// when the disk refuses the bytes half way (a file size limit, as a full disk would).
TEST(Fichier, AtomicWriteReplacesWholeOrKeepsTheOldFileAndReadIsBounded) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  const std::string ancien(300, 'a'), nouveau(200000, 'n');
  ASSERT_TRUE(ecrit_fichier_atomique("donnees.dat", "ancien", 6));
  ASSERT_TRUE(ecrit_fichier_atomique("donnees.dat", ancien.data(), ancien.size()));
  struct stat st;
  ASSERT_EQ(stat("donnees.dat", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(noms_dans("."), std::vector<std::string>{"donnees.dat"});
  {
    // Room for 4096 bytes: the first write() goes through in part, the next one fails.
    EcritureLimitee limite(4096);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
    EXPECT_TRUE(ecrit_fichier_atomique("juste.dat", nouveau.data(), 4096));
    EXPECT_FALSE(ecrit_fichier_atomique("juste.dat", nouveau.data(), 4097));
    // Nothing written at all also fails cleanly.
    EcritureLimitee rien(0);
    EXPECT_FALSE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
  }
  EXPECT_EQ(texte_de("donnees.dat"), ancien);
  EXPECT_EQ(octets_de("juste.dat").size(), 4096u);
  EXPECT_EQ(noms_dans(".").size(), 2u);
  ASSERT_TRUE(ecrit_fichier_atomique("donnees.dat", nouveau.data(), nouveau.size()));
  EXPECT_EQ(texte_de("donnees.dat"), nouveau);
  std::vector<uint8_t> lu{1, 2, 3};
  EXPECT_FALSE(lit_fichier("/nonexistent/veltra", lu));
  EXPECT_TRUE(lu.empty());
  EXPECT_FALSE(lit_fichier("donnees.dat", lu, nouveau.size() - 1));
  EXPECT_TRUE(lit_fichier("donnees.dat", lu, nouveau.size()));
}

TEST(Lecteur, ReadsLittleEndianAndStopsAtTheEnd) {
  // 0x1234, 0xDEADBEEF, -2.5f and "abc" as the game's files hold them, low byte first.
  const std::vector<uint8_t> octets{0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0x20, 0xC0, 'a', 'b', 'c', 0};
  Ecrivain e;
  e.u16(0x1234);
  e.u32(0xDEADBEEF);
  e.f32(-2.5f);
  e.chaine("abc");
  EXPECT_EQ(e.donnees(), octets);
  Lecteur l(octets.data(), octets.size());
  uint16_t a;
  uint32_t b;
  float c;
  std::string s;
  ASSERT_TRUE(l.u16(a) && l.u32(b) && l.f32(c) && l.chaine(s, 255));
  EXPECT_EQ(std::tie(a, b, c, s), std::make_tuple(uint16_t{0x1234}, 0xDEADBEEFu, -2.5f, std::string("abc")));
  EXPECT_TRUE(l.fin());
  b = 7;
  EXPECT_FALSE(l.u32(b));
  EXPECT_EQ(b, 7u);
  EXPECT_FALSE(l.saute(1));
  EXPECT_FALSE(l.va(octets.size() + 1));
  // A string with no terminator in reach fails and stays unread.
  const char abcd[5] = {'a', 'b', 'c', 'd', 0};
  Lecteur m(abcd, 4);
  EXPECT_FALSE(m.chaine(s, 255));
  EXPECT_EQ(m.position(), 0u);
  Lecteur n(abcd, sizeof abcd);
  EXPECT_FALSE(n.chaine(s, 4));  // terminator beyond the limit
  EXPECT_TRUE(n.chaine(s, 5));
}

}  // namespace
