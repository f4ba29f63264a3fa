// Offline capture of the game's sound and the data folder of the listening tests.
#include "capture_jeu.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>

#include "assetgen/circuits/circuits.h"
#include "assetgen/sons/sons.h"
#include "audio/son.h"

namespace capture_jeu {

namespace {

std::string& dossier_cree() {
  static std::string d;
  return d;
}

// Removes the generated folder when the whole run ends.
class Nettoyage : public ::testing::Environment {
 public:
  void TearDown() override {
    if (dossier_cree().empty()) return;
    std::error_code erreur;
    std::filesystem::remove_all(dossier_cree(), erreur);
  }
};
const auto* const g_nettoyage = ::testing::AddGlobalTestEnvironment(new Nettoyage);

}  // namespace

const std::string& dossier_jeu() {
  static const std::string d = [] {
    char modele[] = "/tmp/veltra_ecoute_XXXXXX";
    if (!mkdtemp(modele)) return std::string();
    dossier_cree() = modele;
    std::string erreur;
    if (!genere_circuits(modele, &erreur) || !genere_sons(modele, &erreur)) {
      ADD_FAILURE() << "game data not generated: " << erreur;
      return std::string();
    }
    return std::string(modele);
  }();
  return d;
}

SonRendu::SonRendu() : frequence(SON_FREQUENCE_RENDU) {
  // As the game starts its system, on the render output instead of a device.
  if (son_systeme_cree(&g_SystemeSon) != SON_OK) return;
  if (son_systeme_set_sortie(g_SystemeSon, SON_SORTIE_RENDU) != SON_OK) return;
  if (son_systeme_init(g_SystemeSon, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF) != SON_OK) return;
  if (son_systeme_set_reverb_ambiante(g_SystemeSon, &SON_REVERB_CARPETEDHALLWAY) != SON_OK) return;
  Charge_sons();
  ok_ = result == SON_OK;
}

SonRendu::~SonRendu() {
  Delete_sons();
  son_systeme_libere(g_SystemeSon);
  g_SystemeSon = HSysteme{};
}

void SonRendu::rend_trames(int trames) {
  if (!ok_ || trames <= 0) return;
  std::vector<float> bloc(static_cast<size_t>(trames) * 2);
  if (son_systeme_rendu(g_SystemeSon, bloc.data(), trames) != SON_OK) {
    ADD_FAILURE() << "render failed";
    ok_ = false;
    return;
  }
  for (size_t i = 0; i < static_cast<size_t>(trames); i++) {
    g.push_back(bloc[2 * i]);
    d.push_back(bloc[2 * i + 1]);
  }
}

void SonRendu::rend(double secondes) { rend_trames(static_cast<int>(std::lround(secondes * frequence))); }

std::vector<float> SonRendu::mono() const {
  std::vector<float> m(g.size());
  for (size_t i = 0; i < m.size(); i++) m[i] = 0.5f * (g[i] + d[i]);
  return m;
}

}  // namespace capture_jeu
