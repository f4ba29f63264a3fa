// The player's controls as one byte per race step, and the controller that plays them back.
//
//   replay.etats.push_back(octet_controle(*controle));   // after each race step
//   ...
//   CcontrolReplay rejeu(replay.etats);
//   controle = &rejeu;        // one recorded byte per poll, from the countdown's first step on
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/controle.h"

// What the human pilot reads of a controller after its poll: the six driving buttons pressed in
// either bank (bits 0..5: up, down, left, right, special, special 1), and the validate button of
// each bank on its own (bits 6 and 7), whose releases fire the held bonus.
uint8_t octet_controle(const Ccontrol& c);

class CcontrolReplay : public Ccontrol {
 public:
  explicit CcontrolReplay(std::vector<uint8_t> etats);
  // Each poll takes the next recorded byte; past the end nothing is pressed.
  void Pool() override;
  // Race steps played so far, and whether the recording is used up.
  size_t pas() const { return pas_; }
  bool fini() const { return pas_ >= etats_.size(); }

 private:
  std::vector<uint8_t> etats_;
  size_t pas_ = 0;
};
