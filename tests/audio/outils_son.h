// Test support for the sound layer: fixture sounds written by the tests themselves, a small
// tracker module, and sessions whose output is captured by OpenAL Soft's wave-file writer.
#pragma once

#include <string>
#include <vector>

#include "audio/son_api.h"
#include "support/son_essai.h"

namespace test_son {

using namespace son_essai;  // the shared measures

// Folder of this run's files (created once, with the alsoft.conf that routes output to a WAV).
const std::string& dossier();
std::string chemin(const std::string& nom);
// Removes the run's folder (the test environment does it at the end; a child process that exits
// by itself must do it first).
void nettoie();
void ecrit_texte(const std::string& fichier, const std::string& texte);

// Writes a 16-bit PCM WAV. `canaux` interleaved samples in -1..1.
void ecrit_wav(const std::string& fichier, const std::vector<float>& echantillons, int frequence, int canaux = 1);
std::vector<float> sinus(double hz, double secondes, int frequence, float amplitude = 0.5f);
// A `hz` tone of `secondes` written once and loaded in `sys` with `mode`.
HSon charge_ton(HSysteme sys, double hz, double secondes, unsigned mode, int frequence = 44100);
// A system on the render output, the listener at the origin facing `avant`, head up.
HSysteme systeme_rendu(const SonVecteur& avant = {0, 0, 1});
// Polls until the channel has ended; false when it never does.
bool attend_fin(HCanal c);
// Writes a one-sample Impulse Tracker module: one looping note lasting `lignes` rows.
void ecrit_module_it(const std::string& fichier, int lignes);

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
  // Waits until at least `secondes` more of output have been written since the last mark.
  void marque();
  bool attend(double secondes);
  Capture ferme();

 private:
  long long m_marque = 0;
  bool m_ferme = false;
};

// Mixes `secondes` of a system on the render output, `bloc` frames at a time.
Capture rend(HSysteme sys, double secondes, int bloc = 1024);

}  // namespace test_son
