// The game's random generators. A race draws everything that decides it (the pilots' choices,
// speed losses, where and what the bonuses are) from g_HasardCourse, seeded when the race starts;
// what is only drawn (sparks, smoke, flames) draws from g_HasardDecor. So how many frames are
// drawn, and what is in view, never changes a race, and the same seed with the same controls
// gives the same race.
//
//   g_HasardCourse.seme(graine);
//   const int n = g_HasardCourse.entier(100);   // 0..99
#pragma once

#include <cstdint>

class CHasard {
 public:
  explicit CHasard(uint32_t graine = 1) { seme(graine); }
  // Starts the sequence that `graine` names (the same sequence for the same seed, on every
  // machine).
  void seme(uint32_t graine);
  // 32 random bits.
  uint32_t suivant();
  // A number 0..n-1; 0 when n <= 0.
  int entier(int n);

 private:
  uint64_t etat_ = 0;
};

extern CHasard g_HasardCourse;
extern CHasard g_HasardDecor;
