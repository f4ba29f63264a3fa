// Test support for the sound layer: fixture sounds written by the tests themselves, a small
// tracker module, and sessions whose output is captured by OpenAL Soft's wave-file writer.
#pragma once

#include <string>
#include <vector>

#include "audio/son_api.h"

namespace test_son {

constexpr double PI = 3.14159265358979323846;

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

// Helpers on captured signals.
double rms(const std::vector<float>& x, size_t debut, size_t n);
// One past the last sample whose magnitude exceeds `seuil` (0 when none does). The capture goes on
// for a moment after the system stops its sounds at close, longer on a busy machine.
size_t fin_du_son(const std::vector<float>& x, float seuil = 0.003f);
// First index whose magnitude exceeds `seuil`, or x.size().
size_t premier_au_dessus(const std::vector<float>& x, float seuil, size_t depuis = 0);
// Amplitude of the `hz` component over a Hann window.
double goertzel(const std::vector<float>& x, size_t debut, size_t n, double hz, int frequence);
// Pitch from rising zero crossings.
double hauteur(const std::vector<float>& x, size_t debut, size_t n, int frequence);
double db(double rapport);

}  // namespace test_son
