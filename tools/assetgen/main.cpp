// veltra-assets OUTDIR: writes every data file the game reads (font, models, textures, sounds,
// music and, when present, the circuits) into OUTDIR, and the desktop icons into OUTDIR/icones,
// the same bytes on every run.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assetgen/icone/icone.h"
#include "assetgen/modeles/modeles.h"
#include "assetgen/musique/musique.h"
#include "assetgen/police/police.h"
#include "assetgen/sons/sons.h"
#include "assetgen/textures/textures.h"
#if __has_include("assetgen/circuits/circuits.h")
#include "assetgen/circuits/circuits.h"
#define VELTRA_AVEC_CIRCUITS 1
#endif

namespace {

using Horloge = std::chrono::steady_clock;

double secondes_depuis(Horloge::time_point t) {
  return std::chrono::duration<double>(Horloge::now() - t).count();
}

struct tEtape {
  const char* nom;
  bool (*fait)(const std::string&, std::string*);
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == 0) {
    std::fprintf(stderr, "usage: veltra-assets OUTDIR\n");
    return 2;
  }
  const std::string dossier = argv[1];
  if (mkdir(dossier.c_str(), 0755) != 0 && errno != EEXIST) {
    std::fprintf(stderr, "veltra-assets: cannot create %s: %s\n", dossier.c_str(), std::strerror(errno));
    return 1;
  }
  const std::vector<tEtape> etapes = {
      {"font", genere_police},
      {"textures", genere_textures},
      {"models", genere_modeles},
      {"sounds", genere_sons},
      {"music", genere_musiques},
      {"icons", genere_icones},
#ifdef VELTRA_AVEC_CIRCUITS
      {"circuits", genere_circuits},
#endif
  };
  const Horloge::time_point debut = Horloge::now();
  for (const tEtape& e : etapes) {
    const Horloge::time_point t = Horloge::now();
    std::printf("veltra-assets: %-9s ...", e.nom);
    std::fflush(stdout);
    std::string erreur;
    if (!e.fait(dossier, &erreur)) {
      std::printf(" failed\n");
      std::fprintf(stderr, "veltra-assets: %s: %s\n", e.nom, erreur.empty() ? "unknown failure" : erreur.c_str());
      return 1;
    }
    std::printf(" done in %.2f s\n", secondes_depuis(t));
  }
  std::printf("veltra-assets: everything written to %s in %.2f s\n", dossier.c_str(), secondes_depuis(debut));
  return 0;
}
