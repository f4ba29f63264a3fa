// Where the data is found and where written files go, on imagined machines and on the real disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "common/chemins.h"
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

// Written files make their folders, the player's saved circuits are read first, a portable game
// keeps its relative paths.
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

}  // namespace
