// Shared fixtures of the unit tests: a private working folder, and a keyboard controller on the
// arrow keys driven through Allegro's key array.
#pragma once

#include <allegro.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ui/controle.h"

// Creates a fresh folder, makes it the current one, and removes it with everything in it when
// the test ends.
class DossierTemporaire {
 public:
  DossierTemporaire() {
    char modele[] = "/tmp/veltra-essai-XXXXXX";
    if (mkdtemp(modele)) chemin_ = modele;
    if (!getcwd(ancien_, sizeof ancien_)) ancien_[0] = '\0';
    if (!chemin_.empty() && chdir(chemin_.c_str()) != 0) chemin_.clear();
  }
  ~DossierTemporaire() {
    if (ancien_[0] && chdir(ancien_) != 0) return;
    if (!chemin_.empty()) std::system(("rm -rf '" + chemin_ + "'").c_str());
  }
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;
  bool pret() const { return !chemin_.empty(); }
  const std::string& chemin() const { return chemin_; }

 private:
  std::string chemin_;
  char ancien_[4096] = {0};
};

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
