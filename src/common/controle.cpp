// The controller's button state: banks, release edges, the active controller.
#include "common/controle.h"

#include <cstring>

Ccontrol* controle = nullptr;

namespace {

void efface(int* t) { std::memset(t, 0, sizeof(int) * NB_BOUTONS); }

}  // namespace

Ccontrol::Ccontrol(int t) : type(t) {
  efface(touche);
  efface(touche_2);
  efface(etat);
  efface(etat_avant);
  efface(relache);
  efface(etat_2);
  efface(etat_avant_2);
  efface(relache_2);
}

bool Ccontrol::consomme(int i) {
  if (relache[i]) {
    relache[i] = 0;
    return true;
  }
  if (relache_2[i]) {
    relache_2[i] = 0;
    return true;
  }
  return false;
}

bool Ccontrol::Relache_Escape() {
  if (!relache[BT_ESCAPE]) return false;
  relache[BT_ESCAPE] = 0;
  return true;
}

void Ccontrol::regle(int i, int code) {
  touche[i] = code;
  etat[i] = etat_avant[i] = relache[i] = 0;
}

void Ccontrol::avance_banque(int* e, int* avant, int* rel, const int* lu) {
  std::memcpy(avant, e, sizeof(int) * NB_BOUTONS);
  for (int i = 0; i < NB_BOUTONS; i++) e[i] = lu[i] ? 1 : 0;
  for (int i = 0; i < NB_BOUTONS; i++) rel[i] = (avant[i] == 1 && e[i] == 0) ? 1 : 0;
}
