// The race music: composes each circuit's piece and writes it beside the other sounds.
#include "assetgen/musique/musique.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "assetgen/musique/composition.h"
#include "common/fichier.h"

namespace {

bool cree_dossier(const std::string& chemin, std::string* erreur) {
  if (mkdir(chemin.c_str(), 0755) == 0 || errno == EEXIST) {
    struct stat st;
    if (stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;
  }
  if (erreur) *erreur = "cannot create folder " + chemin + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool compose_musique(int numero, std::vector<uint8_t>& octets, std::string* erreur) {
  octets.clear();
  if (numero < 1 || numero > NB_MUSIQUES) {
    if (erreur) *erreur = "no piece number " + std::to_string(numero);
    return false;
  }
  const tStyle style = styles_musiques()[static_cast<size_t>(numero - 1)];
  tModuleIT module;
  return compose_module(style, module, erreur) && ecrit_module_it(module, octets, erreur);
}

bool genere_musiques(const std::string& dossier_sortie, std::string* erreur) {
  const std::string sons = dossier_sortie + "/sons";
  if (!cree_dossier(dossier_sortie, erreur) || !cree_dossier(sons, erreur)) return false;
  for (int n = 1; n <= NB_MUSIQUES; n++) {
    std::vector<uint8_t> octets;
    std::string raison;
    if (!compose_musique(n, octets, &raison)) {
      if (erreur) *erreur = "music " + std::to_string(n) + ": " + raison;
      return false;
    }
    const std::string chemin = sons + "/music" + std::to_string(n) + ".it";
    if (!ecrit_fichier_atomique(chemin, octets.data(), octets.size())) {
      if (erreur) *erreur = "cannot write " + chemin;
      return false;
    }
  }
  return true;
}
