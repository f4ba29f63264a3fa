// A damaged config.cfg: bytes that are not UTF-8 (here a file the fuzzer found, which used to
// keep Allegro's parser spinning at start-up) are read as they stand and the game starts.
#include <allegro.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/config.h"
#include "common/globals.h"
#include "support/outils_essai.h"

namespace {

// The start-up reads of config.cfg in a child process; false when they never end (the child is
// then stopped) or end badly.
bool demarrage_termine(int secondes_max) {
  const pid_t p = fork();
  if (p == 0) {
    check_config();
    set_config_file(fichier_config());
    lit_config_ecran();
    init_globales();
    lit_nom_joueur();
    _exit(std::string(NOM_JOUEUR) == "Human" ? 0 : 3);
  }
  if (p < 0) return false;
  for (int i = 0; i < secondes_max * 10; i++) {
    int statut = 0;
    if (waitpid(p, &statut, WNOHANG) == p) return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
    usleep(100000);
  }
  kill(p, SIGKILL);
  waitpid(p, nullptr, 0);
  return false;
}

TEST(ConfigEchec, BytesThatAreNotUtf8DoNotHangTheStart) {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  {
    std::ifstream graine(std::string(VELTRA_SOURCE_DIR) + "/tests/fuzz/corpus/config/multioctet.cfg",
                         std::ios::binary);
    ASSERT_TRUE(graine.good());
    std::ofstream(fichier_config(), std::ios::binary) << graine.rdbuf();
  }
  // A generous bound: the reads take milliseconds, the fault was an endless loop.
  EXPECT_TRUE(demarrage_termine(60));
}

}  // namespace
