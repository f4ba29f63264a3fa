// Offline capture of the game's sound and the data folder of the listening tests.
#include "capture_jeu.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>

#include "audio/son.h"
#include "support/donnees_essai.h"

namespace capture_jeu {

const std::string& dossier_jeu() {
  static const std::string d = [] {
    std::string pourquoi;
    const std::string d = donnees_jeu(&pourquoi);
    if (d.empty()) ADD_FAILURE() << pourquoi;
    return d;
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
