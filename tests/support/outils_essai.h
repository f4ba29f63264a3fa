// Shared fixtures of the unit tests: a private working folder, the screen's size for a test, and
// a controller whose buttons a test presses directly (core tests; the keyboard's own fixture is in clavier_essai.h).
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/controle.h"
#include "common/globals.h"

// Goes back at the end of the scope to the folder current at its start (loading a circuit moves).
class GardeDossier {
 public:
  GardeDossier() {
    if (!getcwd(ici_, sizeof ici_)) ici_[0] = '\0';
  }
  ~GardeDossier() { revient(); }
  GardeDossier(const GardeDossier&) = delete;
  GardeDossier& operator=(const GardeDossier&) = delete;
  bool revient() const { return ici_[0] && chdir(ici_) == 0; }

 private:
  char ici_[4096];
};

// The screen is l x h for the scope, the size it had before afterwards.
struct FenetreEssai {
  FenetreEssai(int l, int h) : l0(SCREEN_WIDTH), h0(SCREEN_HEIGHT) { SCREEN_WIDTH = l, SCREEN_HEIGHT = h; }
  ~FenetreEssai() { SCREEN_WIDTH = l0, SCREEN_HEIGHT = h0; }
  FenetreEssai(const FenetreEssai&) = delete;
  FenetreEssai& operator=(const FenetreEssai&) = delete;
  int l0, h0;
};

// A fresh folder, made the current one, removed with everything in it when the test ends.
class DossierTemporaire {
 public:
  DossierTemporaire() {
    char modele[] = "/tmp/veltra-essai-XXXXXX";
    if (mkdtemp(modele)) chemin_ = modele;
    if (!chemin_.empty() && chdir(chemin_.c_str()) != 0) chemin_.clear();
  }
  ~DossierTemporaire() {
    if (ancien_.revient() && !chemin_.empty()) std::system(("rm -rf '" + chemin_ + "'").c_str());
  }
  bool pret() const { return !chemin_.empty(); }
  const std::string& chemin() const { return chemin_; }

 private:
  GardeDossier ancien_;
  std::string chemin_;
};

// The active controller, its buttons set by the test: `bt[BT_BAS] = 1` holds Down until reset;
// each poll derives the edges as a device would.
class ControleEssai : public Ccontrol {
 public:
  ControleEssai() : Ccontrol(1) { controle = this; }
  ~ControleEssai() override { controle = nullptr; }
  ControleEssai(const ControleEssai&) = delete;
  ControleEssai& operator=(const ControleEssai&) = delete;
  void Pool() override { avance_banque(etat, etat_avant, relache, bt); }
  int bt[NB_BOUTONS] = {0};
};
