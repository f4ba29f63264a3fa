// Files: where the data is found and written files go (on imagined machines and on the real disk),
// writes that leave nothing half-written, and the bounded reader that reads nothing past the end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/binio.h"
#include "common/chemins.h"
#include "common/fichier.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

TEST(Dossiers, TheChoiceOnEachKindOfMachine) {
  using Env = std::map<std::string, std::string>;
  struct Cas {
    const char *programme, *impose;
    Env env;
    std::set<std::string> avec_donnees, inscriptibles;
    bool portable, trouvees;
    const char *donnees, *config, *utilisateur;
  };
  const Env ana = {{"HOME", "/home/ana"}};
  const Env xdg = {
      {"HOME", "/home/ana"}, {"XDG_CONFIG_HOME", "/home/ana/cfg"}, {"XDG_DATA_HOME", "/home/ana/d"}};
  // Unset, empty or relative XDG variables give the defaults under the home folder.
  const Env xdg_faux = {{"HOME", "/home/ana"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}};
  const char* cfg = "/home/ana/.config/veltra";
  const char* perso = "/home/ana/.local/share/veltra";
  const Cas cas[] = {
      // Portable: config.cfg, ./hiscores, ./objets are the very paths of old...
      {"/jeux/veltra", "", ana, {"/jeux/veltra"}, {"/jeux/veltra"}, true, true, "/jeux/veltra", "", ""},
      // ...and with another data folder on the command line the written files stay beside it.
      {"/jeux/veltra", "/media/cle", ana, {"/jeux/veltra", "/media/cle"}, {"/jeux/veltra"}, true, true,
       "/media/cle", "/jeux/veltra", "/jeux/veltra"},
      // Installed: the XDG folders; a moved prefix is found before the configured one.
      {"/usr/bin", "", xdg, {"/usr/share/veltra"}, {"/home/ana"}, false, true, "/usr/share/veltra",
       "/home/ana/cfg/veltra", "/home/ana/d/veltra"},
      {"/usr/bin", "", xdg_faux, {"/usr/share/veltra"}, {}, false, true, "/usr/share/veltra", cfg, perso},
      {"/opt/jeu/bin", "", ana, {"/usr/share/veltra", "/opt/jeu/share/veltra"}, {}, false, true,
       "/opt/jeu/share/veltra", cfg, perso},
      // Beside its data in a read-only folder.
      {"/mnt/cd/veltra", "", ana, {"/mnt/cd/veltra"}, {}, false, true, "/mnt/cd/veltra", cfg, perso},
      // No data: a writable program folder without data is no portable game, nothing goes into bin/.
      {"/usr/bin", "", {}, {}, {"/usr/bin"}, false, false, "/usr/bin", "", ""},
      {"/usr/bin", "/nulle/part", {}, {}, {"/usr/bin"}, false, false, "/nulle/part", "", ""},
  };
  const std::vector<std::string> installees = {"/opt/jeu/share/veltra", "/usr/share/veltra"};
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::string(c.programme) + " " + c.impose);
    tSysteme s;
    s.variable = [&](const char* nom) {
      auto it = c.env.find(nom);
      return it == c.env.end() ? std::string() : it->second;
    };
    s.a_donnees = [&](const std::string& d) { return c.avec_donnees.count(d) > 0; };
    s.inscriptible = [&](const std::string& d) { return c.inscriptibles.count(d) > 0; };
    const tDossiers d = choisit_dossiers(c.programme, c.impose, installees, s);
    EXPECT_EQ(std::tie(d.portable, d.donnees_trouvees, d.donnees, d.config, d.utilisateur),
              std::make_tuple(c.portable, c.trouvees, c.donnees, c.config, c.utilisateur));
  }
}

// Written files make their folders; the player's circuits are read first; portable paths stay relative.
TEST(Chemins, ThePlayersCopyIsReadFirstAndFoldersAreMadeOnWrite) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  mkdir("objets", 0755);
  std::ofstream("objets/traj_1.dat") << "jeu";
  std::ofstream("objets/traj_2.dat") << "jeu";

  const tDossiers d{dossier.chemin(), dossier.chemin() + "/cfg/veltra", dossier.chemin() + "/perso/veltra"};
  fixe_dossiers(d);
  EXPECT_EQ(std::string(fichier_config()), dossier.chemin() + "/cfg/veltra/config.cfg");
  EXPECT_EQ(chemin_utilisateur("./hiscores/s_1_5.dat"), d.utilisateur + "/hiscores/s_1_5.dat");

  const std::string ecrit = chemin_ecriture("./objets/traj_1.dat");
  EXPECT_EQ(ecrit, d.utilisateur + "/objets/traj_1.dat");
  std::ofstream(ecrit) << "joueur";  // only lands if the write made its folder
  EXPECT_EQ(chemin_lecture("./objets/traj_1.dat"), ecrit);
  EXPECT_EQ(chemin_lecture("./objets/traj_2.dat"), "./objets/traj_2.dat");

  fixe_dossiers(tDossiers());
  EXPECT_STREQ(fichier_config(), "config.cfg");
  EXPECT_EQ(chemin_ecriture("./objets/traj_1.dat"), "./objets/traj_1.dat");
  EXPECT_EQ(chemin_lecture("./objets/traj_1.dat"), "./objets/traj_1.dat");
}

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
