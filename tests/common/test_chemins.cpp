// Where the data is found and where written files go: the choice on imagined machines, then the
// paths on the real file system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <set>

#include "common/chemins.h"
#include "support/outils_essai.h"

namespace {

struct Machine {
  std::map<std::string, std::string> env;
  std::set<std::string> avec_donnees;
  std::set<std::string> inscriptibles;

  tSysteme systeme() const {
    tSysteme s;
    s.variable = [this](const char* nom) {
      auto it = env.find(nom);
      return it == env.end() ? std::string() : it->second;
    };
    s.a_donnees = [this](const std::string& d) { return avec_donnees.count(d) > 0; };
    s.inscriptible = [this](const std::string& d) { return inscriptibles.count(d) > 0; };
    return s;
  }
};

const std::vector<std::string> INSTALLEES = {"/opt/jeu/share/veltra", "/usr/share/veltra"};

TEST(Dossiers, APortableGameKeepsEverythingBesideItselfAsBefore) {
  Machine m;
  m.env["HOME"] = "/home/ana";
  m.avec_donnees = {"/jeux/veltra"};
  m.inscriptibles = {"/jeux/veltra"};
  tDossiers d = choisit_dossiers("/jeux/veltra", "", INSTALLEES, m.systeme());
  EXPECT_TRUE(d.portable);
  EXPECT_EQ(d.donnees, "/jeux/veltra");
  EXPECT_EQ(d.config, "");  // config.cfg, ./hiscores, ./objets: the very paths of old
  EXPECT_EQ(d.utilisateur, "");
  // Another data folder on the command line: the written files stay beside the program.
  m.avec_donnees.insert("/media/cle/donnees");
  d = choisit_dossiers("/jeux/veltra", "/media/cle/donnees", INSTALLEES, m.systeme());
  EXPECT_EQ(d.donnees, "/media/cle/donnees");
  EXPECT_EQ(d.config, "/jeux/veltra");
  EXPECT_EQ(d.utilisateur, "/jeux/veltra");
}

TEST(Dossiers, AnInstalledGameWritesInTheXdgFolders) {
  Machine m;
  m.env = {{"HOME", "/home/ana"}, {"XDG_CONFIG_HOME", "/home/ana/cfg"}, {"XDG_DATA_HOME", "/home/ana/donnees"}};
  m.avec_donnees = {"/usr/share/veltra"};
  m.inscriptibles = {"/home/ana"};
  tDossiers d = choisit_dossiers("/usr/bin", "", INSTALLEES, m.systeme());
  EXPECT_FALSE(d.portable);
  EXPECT_TRUE(d.donnees_trouvees);
  EXPECT_EQ(d.donnees, "/usr/share/veltra");
  EXPECT_EQ(d.config, "/home/ana/cfg/veltra");
  EXPECT_EQ(d.utilisateur, "/home/ana/donnees/veltra");
  // Unset, empty or relative XDG variables give the defaults under the home folder.
  m.env = {{"HOME", "/home/ana"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}};
  d = choisit_dossiers("/usr/bin", "", INSTALLEES, m.systeme());
  EXPECT_EQ(d.config, "/home/ana/.config/veltra");
  EXPECT_EQ(d.utilisateur, "/home/ana/.local/share/veltra");
  // A moved prefix is found before the configured one.
  m.avec_donnees.insert("/opt/jeu/share/veltra");
  EXPECT_EQ(choisit_dossiers("/opt/jeu/bin", "", INSTALLEES, m.systeme()).donnees, "/opt/jeu/share/veltra");
}

TEST(Dossiers, AGameBesideItsDataInAReadOnlyFolderWritesInTheXdgFolders) {
  Machine m;
  m.env["HOME"] = "/home/ana";
  m.avec_donnees = {"/mnt/cd/veltra"};
  const tDossiers d = choisit_dossiers("/mnt/cd/veltra", "", INSTALLEES, m.systeme());
  EXPECT_EQ(d.donnees, "/mnt/cd/veltra");
  EXPECT_FALSE(d.portable);
  EXPECT_EQ(d.config, "/home/ana/.config/veltra");
}

TEST(Dossiers, MissingDataIsSaid) {
  Machine m;
  m.inscriptibles = {"/usr/bin"};
  tDossiers d = choisit_dossiers("/usr/bin", "", INSTALLEES, m.systeme());
  EXPECT_FALSE(d.donnees_trouvees);
  EXPECT_EQ(d.donnees, "/usr/bin");  // the loaders then say which file is missing
  // A writable program folder without data is no portable game: nothing is written into bin/.
  EXPECT_FALSE(d.portable);
  d = choisit_dossiers("/usr/bin", "/nulle/part", INSTALLEES, m.systeme());
  EXPECT_FALSE(d.donnees_trouvees);
  EXPECT_EQ(d.donnees, "/nulle/part");
}

// The player's folder on disk: written files make their folders, circuit files saved there are
// read first, and a portable game keeps its relative paths.
TEST(Chemins, ThePlayersCopyIsReadFirstAndFoldersAreMadeOnWrite) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  mkdir("objets", 0755);
  std::ofstream("objets/traj_1.dat") << "jeu";
  std::ofstream("objets/traj_2.dat") << "jeu";

  tDossiers d;
  d.donnees = dossier.chemin();
  d.config = dossier.chemin() + "/cfg/veltra";
  d.utilisateur = dossier.chemin() + "/perso/veltra";
  fixe_dossiers(d);
  EXPECT_EQ(std::string(fichier_config()), dossier.chemin() + "/cfg/veltra/config.cfg");
  EXPECT_EQ(chemin_utilisateur("./hiscores/s_1_5.dat"), dossier.chemin() + "/perso/veltra/hiscores/s_1_5.dat");

  const std::string ecrit = chemin_ecriture("./objets/traj_1.dat");
  EXPECT_EQ(ecrit, dossier.chemin() + "/perso/veltra/objets/traj_1.dat");
  struct stat st;
  ASSERT_EQ(stat((dossier.chemin() + "/perso/veltra/objets").c_str(), &st), 0);
  std::ofstream(ecrit) << "joueur";
  EXPECT_EQ(chemin_lecture("./objets/traj_1.dat"), ecrit);
  EXPECT_EQ(chemin_lecture("./objets/traj_2.dat"), "./objets/traj_2.dat");

  fixe_dossiers(tDossiers());
  EXPECT_STREQ(fichier_config(), "config.cfg");
  EXPECT_EQ(chemin_ecriture("./objets/traj_1.dat"), "./objets/traj_1.dat");
  EXPECT_EQ(chemin_lecture("./objets/traj_1.dat"), "./objets/traj_1.dat");
}

}  // namespace
