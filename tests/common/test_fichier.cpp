// File helpers and the bounded reader: nothing read past the end, nothing half-written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "common/binio.h"
#include "common/fichier.h"
#include "common/globals.h"

namespace {

std::string dossier_temp() {
  char modele[] = "/tmp/veltra-fichier-XXXXXX";
  return mkdtemp(modele);
}

TEST(Fichier, AtomicWriteReplacesAndLeavesNoTemporary) {
  const std::string d = dossier_temp();
  const std::string f = d + "/donnees.dat";
  ASSERT_TRUE(ecrit_fichier_atomique(f, "ancien", 6));
  ASSERT_TRUE(ecrit_fichier_atomique(f, "nouveau!", 8));
  std::vector<uint8_t> lu;
  ASSERT_TRUE(lit_fichier(f, lu));
  EXPECT_EQ(std::string(lu.begin(), lu.end()), "nouveau!");
  struct stat st;
  ASSERT_EQ(stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  // Only the one file is left in the folder.
  EXPECT_EQ(std::remove(f.c_str()), 0);
  EXPECT_EQ(rmdir(d.c_str()), 0);
}

TEST(Fichier, FailedWriteKeepsTheOldFile) {
  const std::string d = dossier_temp();
  const std::string f = d + "/donnees.dat";
  ASSERT_TRUE(ecrit_fichier_atomique(f, "ancien", 6));
  // A file size limit below the new content makes the write of that same file fail half-way
  // (as a full disk would); the signal the limit raises is ignored so the write reports it.
  struct rlimit avant;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
  void (*signal_avant)(int) = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limite = avant;
  limite.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
  const std::string nouveau(100000, 'n');
  const bool ecrit = ecrit_fichier_atomique(f, nouveau.data(), nouveau.size());
  setrlimit(RLIMIT_FSIZE, &avant);
  std::signal(SIGXFSZ, signal_avant);
  EXPECT_FALSE(ecrit);
  std::vector<uint8_t> lu;
  ASSERT_TRUE(lit_fichier(f, lu));
  EXPECT_EQ(std::string(lu.begin(), lu.end()), "ancien");
  // Nothing half-written is left beside it.
  EXPECT_EQ(std::remove(f.c_str()), 0);
  EXPECT_EQ(rmdir(d.c_str()), 0);
}

TEST(Fichier, ReadRefusesMissingAndOversizedFiles) {
  std::vector<uint8_t> lu{1, 2, 3};
  EXPECT_FALSE(lit_fichier("/nonexistent/veltra", lu));
  EXPECT_TRUE(lu.empty());
  const std::string d = dossier_temp();
  const std::string f = d + "/gros.dat";
  std::string contenu(100000, 'x');
  ASSERT_TRUE(ecrit_fichier_atomique(f, contenu.data(), contenu.size()));
  EXPECT_FALSE(lit_fichier(f, lu, 99999));
  EXPECT_TRUE(lit_fichier(f, lu, 100000));
  EXPECT_EQ(lu.size(), 100000u);
  std::remove(f.c_str());
  rmdir(d.c_str());
}

TEST(Lecteur, ReadsLittleEndianAndStopsAtTheEnd) {
  Ecrivain e;
  e.u16(0x4D4D);
  e.u32(0xDEADBEEF);
  e.f32(-2.5f);
  e.chaine("abc");
  Lecteur l(e.donnees().data(), e.taille());
  uint16_t a;
  uint32_t b;
  float c;
  std::string s;
  ASSERT_TRUE(l.u16(a) && l.u32(b) && l.f32(c) && l.chaine(s, 255));
  EXPECT_EQ(a, 0x4D4D);
  EXPECT_EQ(b, 0xDEADBEEFu);
  EXPECT_EQ(c, -2.5f);
  EXPECT_EQ(s, "abc");
  EXPECT_TRUE(l.fin());
  b = 7;
  EXPECT_FALSE(l.u32(b));
  EXPECT_EQ(b, 7u);
  EXPECT_FALSE(l.saute(1));
  EXPECT_FALSE(l.va(e.taille() + 1));
}

TEST(Lecteur, StringWithoutTerminatorInReachFails) {
  const char octets[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
  Lecteur l(octets, sizeof octets);
  std::string s;
  EXPECT_FALSE(l.chaine(s, 255));
  EXPECT_EQ(l.position(), 0u);
  const char court[5] = {'a', 'b', 'c', 'd', 0};
  Lecteur m(court, sizeof court);
  EXPECT_FALSE(m.chaine(s, 4));  // terminator beyond the limit
  EXPECT_TRUE(m.chaine(s, 5));
}

TEST(Noms, CopyIsBoundedAndTerminated) {
  char nom[TAILLE_NOM];
  copie_nom(nom, std::string(100, 'z').c_str());
  EXPECT_EQ(std::string(nom), std::string(31, 'z'));
  copie_nom(nom, nullptr);
  EXPECT_STREQ(nom, "");
}

}  // namespace
