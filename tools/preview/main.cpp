// veltra-preview: looks at 3DS content through the game's own loader.
//
//   veltra-preview --info FILE.3ds
//   veltra-preview --modele FILE.3ds -o OUT.png [--dossier DIR] [--taille WxH]
//   veltra-preview --circuit N -o OUT.png [--dossier DIR] [--depuis x,y,z] [--vers x,y,z] [--taille WxH]
//   veltra-preview --exemple DIR        writes an example model and circuit to look at
//
// Textures are read from DIR/maps (for a model, DIR defaults to the folder above the model's).
// The window needs a display: run under Xvfb on a machine without one.
#include <allegro.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/globals.h"
#include "exemple.h"
#include "info.h"
#include "png_ecrit.h"
#include "vues.h"
#include "world/load3ds.h"
#include "world/materiaux.h"
#include "world/monde.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: veltra-preview --info FILE.3ds\n"
               "       veltra-preview --modele FILE.3ds -o OUT.png [--dossier DIR] [--taille WxH]\n"
               "       veltra-preview --circuit N -o OUT.png [--dossier DIR] [--depuis x,y,z] [--vers x,y,z]"
               " [--taille WxH]\n"
               "       veltra-preview --exemple DIR\n");
  return 2;
}

bool lit_point(const char* texte, CVector3* p) { return std::sscanf(texte, "%f,%f,%f", &p->x, &p->y, &p->z) == 3; }

std::string absolu(const std::string& chemin) {
  char r[PATH_MAX];
  return realpath(chemin.c_str(), r) ? std::string(r) : chemin;
}

// A path that stays valid after a change of folder (the file itself need not exist yet).
std::string sortie_absolue(const std::string& chemin) {
  const size_t barre = chemin.rfind('/');
  if (barre == std::string::npos) return absolu(".") + "/" + chemin;
  return absolu(barre == 0 ? "/" : chemin.substr(0, barre)) + chemin.substr(barre);
}

// The game folder around a model: the parent of its folder (objets/ and maps/ are siblings).
std::string dossier_du_modele(const std::string& modele) {
  std::string d = modele.substr(0, modele.rfind('/') == std::string::npos ? 0 : modele.rfind('/'));
  if (d.empty()) d = ".";
  return d + "/..";
}

// "mappings" 1 only when every circuit texture is there, so a missing one never ends the run.
void choisit_mappings(int niveau) {
  char chemin[64];
  std::snprintf(chemin, sizeof chemin, "./objets/kan_%i.3ds", niveau);
  tMateriaux table;
  t3DModel essai;
  CLoad3DS().Import3DS(&table, &essai, chemin);
  bool toutes = true;
  for (const tMaterialInfo& m : table.materials) {
    if (m.fileName[0] == 0) continue;
    const std::string t = std::string("./maps/") + m.fileName;
    if (access(t.c_str(), R_OK) != 0) {
      std::fprintf(stderr, "veltra-preview: texture %s missing, circuit drawn without textures\n", t.c_str());
      toutes = false;
    }
  }
  static char config[64];
  std::snprintf(config, sizeof config, "[Graphics]\nmappings = %d\n", toutes ? 1 : 0);
  set_config_data(config, static_cast<int>(std::strlen(config)));
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode, cible, sortie, dossier;
  int largeur = 0, hauteur = 0;
  CVector3 oeil(0, 0, 0), vers(0, 0, 0);
  bool oeil_donne = false, vers_donne = false;
  for (int i = 1; i < argc; i++) {
    const std::string a = argv[i];
    const bool suivant = i + 1 < argc;
    if ((a == "--info" || a == "--modele" || a == "--circuit" || a == "--exemple") && suivant) {
      mode = a;
      cible = argv[++i];
    } else if (a == "-o" && suivant) {
      sortie = argv[++i];
    } else if (a == "--dossier" && suivant) {
      dossier = argv[++i];
    } else if (a == "--taille" && suivant) {
      if (std::sscanf(argv[++i], "%dx%d", &largeur, &hauteur) != 2) return usage();
    } else if (a == "--depuis" && suivant) {
      if (!lit_point(argv[++i], &oeil)) return usage();
      oeil_donne = true;
    } else if (a == "--vers" && suivant) {
      if (!lit_point(argv[++i], &vers)) return usage();
      vers_donne = true;
    } else {
      return usage();
    }
  }

  if (mode == "--info") return affiche_info(cible.c_str(), stdout);
  if (mode == "--exemple") {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    if (!ecrit_exemples(cible)) {
      std::fprintf(stderr, "veltra-preview: cannot write the examples in %s\n", cible.c_str());
      return 1;
    }
    std::printf("%s/objets/exemple.3ds, %s/objets/kan_1.3ds and its minimap written\n", cible.c_str(), cible.c_str());
    return 0;
  }
  if ((mode != "--modele" && mode != "--circuit") || sortie.empty()) return usage();

  sortie = sortie_absolue(sortie);  // the run moves into the game folder
  if (mode == "--modele") {
    cible = absolu(cible);
    if (dossier.empty()) dossier = dossier_du_modele(cible);
  }
  if (!dossier.empty() && chdir(dossier.c_str()) != 0) {
    std::fprintf(stderr, "veltra-preview: no folder %s\n", dossier.c_str());
    return 1;
  }
  if (largeur <= 0 || hauteur <= 0) {
    largeur = mode == "--modele" ? 800 : 1200;
    hauteur = 600;
  }
  if (!ouvre_fenetre(largeur, hauteur)) return 1;

  std::vector<uint8_t> image;
  if (mode == "--modele") {
    t3DModel modele;
    // The loader has said on the standard error what was missing.
    if (g_Load3DS.Import3DS(&g_Materiaux, &modele, cible.c_str()) == IMPORT_ABSENT) return 1;
    charge_textures_presentes(&modele);
    image = rendu_tourniquet(modele, largeur, hauteur);
    libere_rendu_modele(modele);
    destroy_obj(&modele);
  } else {
    LEVEL_ACTIF = std::atoi(cible.c_str());
    choisit_mappings(LEVEL_ACTIF);
    for (const tRapport3DS& r : charge_monde().modeles) {
      if (r.resultat == IMPORT_ABSENT) return 1;
    }
    prepare_rendu_monde();
    if (!oeil_donne) oeil = CVector3(wmaxx, wmaxy + 30, wmaxz);
    if (!vers_donne) vers = CVector3((wminx + wmaxx) / 2, 0, (wminz + wmaxz) / 2);
    image = rendu_circuit(largeur, hauteur, oeil, vers);
    libere_rendu_monde();
    destroy_monde();
  }
  libere_rendu_materiaux();
  destroy_materiaux();
  if (!ecrit_png(sortie, largeur, hauteur, image)) {
    std::fprintf(stderr, "veltra-preview: cannot write %s\n", sortie.c_str());
    return 1;
  }
  std::printf("%s\n", sortie.c_str());
  return 0;
}
END_OF_MAIN()
