// The game's sound rendered offline for listening tests: the game's sound system started on the
// layer's render output with the game's own sound bank, and a game data folder to run in.
#pragma once

#include <string>
#include <vector>

namespace capture_jeu {

// The shared generated data: the five circuits and the sound bank. Empty (the reason reported)
// when the fixture has not written it.
const std::string& dossier_jeu();

// The game's sound system (g_SystemeSon) on the render output, started with the game's flags and
// ambient reverb, with the bank loaded by Charge_sons from the current folder. Sounds advance only
// by what rend() mixes, so the capture follows the caller's steps exactly.
class SonRendu {
 public:
  SonRendu();
  ~SonRendu();
  SonRendu(const SonRendu&) = delete;
  SonRendu& operator=(const SonRendu&) = delete;

  bool ok() const { return ok_; }
  void rend_trames(int trames);
  void rend(double secondes);
  size_t trames() const { return g.size(); }
  double secondes() const { return static_cast<double>(g.size()) / frequence; }
  std::vector<float> mono() const;  // (left + right) / 2

  const int frequence;
  std::vector<float> g, d;  // the capture

 private:
  bool ok_ = false;
};

}  // namespace capture_jeu
