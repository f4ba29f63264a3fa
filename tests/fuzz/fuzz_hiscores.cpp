// Hiscore tables of any content load within their bytes, take new results and save back whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "objects/joueur.h"
#include "race/classement.h"
#include "race/hiscores.h"

namespace {

CObjJoueur pilotes[6];

void verifie_noms(const char (*noms)[TAILLE_NOM]) {
  for (int i = 0; i < NB_RANGS; i++)
    if (std::memchr(noms[i], '\0', TAILLE_NOM) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static const char* const noms[6] = {"P0", "P1", "P2", "P3", "P4", "P5"};
  for (int i = 0; i < 6; i++) {
    pilotes[i].SetNom(noms[i]);
    Joueurs[i] = &pilotes[i];
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Single race: three arrivals merged into what the file held.
  hiscores_simple_defaut(6000);
  lit_hiscores_simple(data, size);
  verifie_noms(CLASSEMENT_NOM);
  init_classement();
  for (int a = 0; a < 3; a++) {
    tab_arrive[a] = &pilotes[a * 2];
    tab_temps[a].total = 3000 + 500 * a;
  }
  fusionne_arrivees_simple();
  verifie_noms(CLASSEMENT_NOM);
  const std::vector<uint8_t> simple = encode_hiscores_simple();
  if (simple.size() != NB_RANGS * 48u) std::abort();
  lit_hiscores_simple(simple.data(), simple.size());
  if (encode_hiscores_simple() != simple) std::abort();

  // Championship: the standings of six accounts merged into what the file held.
  hiscores_champ_defaut(30000);
  lit_hiscores_champ(data, size);
  verifie_noms(CLASSEMENT_NOM_CHAMP);
  for (int i = 0; i < 6; i++) {
    LISTE_CHAMP[i] = tCompteChamp();
    LISTE_CHAMP[i].points = 6 - i;
    LISTE_CHAMP[i].total = 20000 + 100 * i;
  }
  classement_championnat();
  fusionne_classement_champ();
  verifie_noms(CLASSEMENT_NOM_CHAMP);
  const std::vector<uint8_t> champ = encode_hiscores_champ();
  if (champ.size() != NB_RANGS * 52u) std::abort();
  lit_hiscores_champ(champ.data(), champ.size());
  if (encode_hiscores_champ() != champ) std::abort();
  return 0;
}
