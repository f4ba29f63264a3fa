// Recording and playing back the player's controls.
#include "common/controle_replay.h"

#include <utility>

namespace {

constexpr int TYPE_REPLAY = 4;
// Bit of each driving button in the control byte.
constexpr int BITS[][2] = {{BT_HAUT, 0}, {BT_BAS, 1}, {BT_GAUCHE, 2}, {BT_DROITE, 3}, {BT_SPE, 4}, {BT_SPE_1, 5}};
constexpr int BIT_VALIDE_1 = 6, BIT_VALIDE_2 = 7;

}  // namespace

uint8_t octet_controle(const Ccontrol& c) {
  unsigned o = 0;
  for (const auto& b : BITS) {
    if (c.etat[b[0]] || c.etat_2[b[0]]) o |= 1u << b[1];
  }
  if (c.etat[BT_VALIDE]) o |= 1u << BIT_VALIDE_1;
  if (c.etat_2[BT_VALIDE]) o |= 1u << BIT_VALIDE_2;
  return static_cast<uint8_t>(o);
}

CcontrolReplay::CcontrolReplay(std::vector<uint8_t> etats) : Ccontrol(TYPE_REPLAY), etats_(std::move(etats)) {}

void CcontrolReplay::Pool() {
  unsigned o = 0;
  if (pas_ < etats_.size()) o = etats_[pas_++];
  int lu[NB_BOUTONS] = {0};
  int lu_2[NB_BOUTONS] = {0};
  for (const auto& b : BITS) lu[b[0]] = (o >> b[1]) & 1;
  lu[BT_VALIDE] = (o >> BIT_VALIDE_1) & 1;
  lu_2[BT_VALIDE] = (o >> BIT_VALIDE_2) & 1;
  avance_banque(etat, etat_avant, relache, lu);
  avance_banque(etat_2, etat_avant_2, relache_2, lu_2);
}
