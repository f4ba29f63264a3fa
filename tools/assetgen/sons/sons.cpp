// The sound bank table, turning a recipe into 16-bit samples, and writing the files.
#include "assetgen/sons/sons.h"

#include <cmath>
#include <cstring>
#include <filesystem>

#include "assetgen/sons/effets.h"
#include "common/fichier.h"

namespace {

using Recette = effets::Canaux (*)();

struct tEntree {
  tSonBanque son;
  Recette recette;
};

const std::vector<tEntree>& entrees() {
  static const std::vector<tEntree> table = {
      {{"bouton.wav", false, false}, effets::bouton},
      {{"CLICK.WAV", false, false}, effets::clic},
      {{"vaisseau.wav", true, true}, effets::moteur},
      {{"missile.wav", true, true}, effets::missile},
      {{"explode.wav", true, false}, effets::explosion},
      {{"choc.wav", true, false}, effets::choc},
      {{"bonus.wav", true, false}, effets::bonus},
      {{"boost.wav", true, true}, effets::boost},
      {{"slide.wav", true, true}, effets::glisse},
      {{"chrono.wav", false, false}, effets::chrono},
      {{"depart.wav", false, false}, effets::depart},
      {{"pret.wav", false, false}, effets::pret},
  };
  return table;
}

int16_t en_16_bits(double x) {
  const long v = std::lround(x * 32767.0);
  return int16_t(v > 32767 ? 32767 : (v < -32767 ? -32767 : v));
}

}  // namespace

const std::vector<tSonBanque>& sons_banque() {
  static const std::vector<tSonBanque> liste = [] {
    std::vector<tSonBanque> l;
    for (const tEntree& e : entrees()) l.push_back(e.son);
    return l;
  }();
  return liste;
}

bool synthetise_son(const std::string& fichier, tSonPCM* son) {
  for (const tEntree& e : entrees()) {
    if (fichier != e.son.fichier) continue;
    const effets::Canaux canaux = e.recette();
    if (canaux.empty() || canaux[0].empty()) return false;
    const size_t n = canaux[0].size();
    son->canaux = int(canaux.size());
    son->frequence = synth::FREQ_ECH;
    son->echantillons.assign(n * canaux.size(), 0);
    for (size_t c = 0; c < canaux.size(); c++) {
      for (size_t i = 0; i < n && i < canaux[c].size(); i++) {
        son->echantillons[i * canaux.size() + c] = en_16_bits(canaux[c][i]);
      }
    }
    return true;
  }
  return false;
}

bool genere_son(const std::string& dossier, const std::string& fichier, std::string* erreur) {
  tSonPCM son;
  if (!synthetise_son(fichier, &son)) {
    if (erreur) *erreur = "unknown sound " + fichier;
    return false;
  }
  std::vector<uint8_t> octets;
  if (!encode_wav(son, &octets, erreur)) return false;
  const std::filesystem::path rep = std::filesystem::path(dossier) / "sons";
  std::error_code ec;
  std::filesystem::create_directories(rep, ec);
  if (ec) {
    if (erreur) *erreur = "cannot create " + rep.string() + ": " + ec.message();
    return false;
  }
  const std::string chemin = (rep / fichier).string();
  if (!ecrit_fichier_atomique(chemin, octets.data(), octets.size())) {
    if (erreur) *erreur = "cannot write " + chemin;
    return false;
  }
  return true;
}

bool genere_sons(const std::string& dossier, std::string* erreur) {
  for (const tSonBanque& s : sons_banque()) {
    if (!genere_son(dossier, s.fichier, erreur)) return false;
  }
  return true;
}
