// Test support for the sound layer: fixture sounds written by the tests themselves, a small
// tracker module, and sessions whose output is captured by OpenAL Soft's wave-file writer.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/son_api.h"
#include "support/son_essai.h"

namespace test_son {

using namespace son_essai;  // the shared measures

// A value read through one of the layer's getters, which must succeed. It starts at -1 (true for a
// flag), so a getter that writes nothing cannot pass for a zero.
template <class H, class T>
T lu(int (*lecture)(H, T*), H h) {
  T v = static_cast<T>(-1);
  EXPECT_EQ(lecture(h, &v), SON_OK);
  return v;
}

// A file of this run's folder (made once, with the alsoft.conf that routes output to a WAV).
std::string chemin(const std::string& nom);
void ecrit_texte(const std::string& fichier, const std::string& texte);

// Writes a half-scale `hz` tone of `secondes` as a mono 16-bit WAV; gives its path.
std::string ecrit_ton(double hz, double secondes, int frequence = 44100);
// The same tone loaded in `sys` with `mode`.
HSon charge_ton(HSysteme sys, double hz, double secondes, unsigned mode, int frequence = 44100);
// A system on `sortie` (100 channels, occlusion, head-related filtering), the listener at the
// origin facing `avant`, head up.
HSysteme systeme(int sortie = SON_SORTIE_RENDU, const SonVecteur& avant = {0, 0, 1});
// Polls until the channel has ended; false when it never does.
bool attend_fin(HCanal c);
// Writes a one-sample Impulse Tracker module, one looping note lasting `lignes` rows; gives its path.
std::string ecrit_module_it(int lignes);

struct Capture {
  std::vector<float> g, d;  // left and right
  int frequence = 0;
  std::vector<float> somme() const;
};

// One system on the capture output; close() stops it and reads what it played.
class Session {
 public:
  explicit Session(unsigned drapeaux = SON_INIT_OCCLUSION | SON_INIT_HRTF);
  ~Session();
  HSysteme sys;
  bool ok = false;
  // Waits until at least `secondes` more of output have been written from now.
  bool attend(double secondes);
  Capture ferme();

 private:
  bool m_ferme = false;
};

// Mixes `secondes` of a system on the render output, `bloc` frames at a time.
Capture rend(HSysteme sys, double secondes, int bloc = 1024);

}  // namespace test_son
