// The keyboard fixture of the platform's tests, driven through Allegro's key array.
#pragma once

#include <allegro.h>

#include "ui/controle.h"

inline void relache_touches() {
  for (int i = 0; i < KEY_MAX; i++) key[i] = 0;
}

// The arrow keys, Enter, Page Up and Page Down, installed as the active controller.
class ClavierEssai {
 public:
  ClavierEssai() {
    relache_touches();
    clavier_.SetBtHaut(KEY_UP);
    clavier_.SetBtBas(KEY_DOWN);
    clavier_.SetBtGauche(KEY_LEFT);
    clavier_.SetBtDroite(KEY_RIGHT);
    clavier_.SetBtValide(KEY_ENTER);
    clavier_.SetBtSpe(KEY_PGUP);
    clavier_.SetBtSpe_1(KEY_PGDN);
    controle = &clavier_;
  }
  ~ClavierEssai() {
    controle = nullptr;
    relache_touches();
  }
  ClavierEssai(const ClavierEssai&) = delete;
  ClavierEssai& operator=(const ClavierEssai&) = delete;
  // Press and release across two polls: the release edge is then waiting.
  void tape(int k) {
    key[k] = 1;
    clavier_.Pool();
    key[k] = 0;
    clavier_.Pool();
  }

 private:
  Cclavier clavier_;
};
