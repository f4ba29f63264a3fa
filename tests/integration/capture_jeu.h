// What the headless tests share: the generated game data with a simulator to race on it, and the
// game's sound rendered offline for the listening tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/son.h"
#include "sim/course_sim.h"
#include "support/donnees_essai.h"
#include "support/outils_essai.h"

namespace capture_jeu {

// The circuits and sound bank the CTest fixture wrote; the folder given back after the loads.
class SurCircuits : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier = donnees_jeu(&erreur);
    ASSERT_FALSE(dossier.empty()) << erreur;
  }
  GardeDossier retour;
  std::string dossier, erreur;
  SessionSim session;
};

// The game's sound system on the render output, with its flags, ambient reverb and bank (from the
// current folder). Sounds advance only by what is rendered: the capture follows the caller's steps.
struct SonRendu {
  SonRendu() {
    if (son_systeme_cree(&g_SystemeSon) != SON_OK) return;
    if (son_systeme_set_sortie(g_SystemeSon, SON_SORTIE_RENDU) != SON_OK) return;
    if (son_systeme_init(g_SystemeSon, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF) != SON_OK) return;
    if (son_systeme_set_reverb_ambiante(g_SystemeSon, &SON_REVERB_CARPETEDHALLWAY) != SON_OK) return;
    Charge_sons();
    ok = result == SON_OK;
  }
  ~SonRendu() {
    Delete_sons();
    son_systeme_libere(g_SystemeSon);
    g_SystemeSon = HSysteme{};
  }
  void rend_trames(int trames) {
    if (!ok || trames <= 0) return;
    std::vector<float> bloc(static_cast<size_t>(trames) * 2);
    ok = son_systeme_rendu(g_SystemeSon, bloc.data(), trames) == SON_OK;
    EXPECT_TRUE(ok) << "render failed";
    for (size_t i = 0; ok && i < bloc.size(); i += 2) mono.push_back(0.5f * (bloc[i] + bloc[i + 1]));
  }
  bool ok = false;
  std::vector<float> mono;  // (left + right) / 2
};

}  // namespace capture_jeu
