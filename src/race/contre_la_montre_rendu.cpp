// The time trial's overlays: lap times with their differences, and the word about the ghost.
#include "race/contre_la_montre_rendu.h"

#include <cstdio>
#include <cstdlib>

#include "common/globals.h"
#include "common/vue.h"
#include "ui/texte3d.h"

namespace {

void ecrit_temps(char* t, size_t n, int soixantiemes) {
  std::snprintf(t, n, "%02i:%02i:%02i", soixantiemes / 3600, soixantiemes / 60 % 60, soixantiemes % 60);
}

}  // namespace

void dessine_tours(const std::vector<tTourChrono>& tours) {
  const float x = -2.9f + ecart_bord_gauche(-5.0f);
  float y = 2.8f;
  char temps[16], ecart[16], ligne[64];
  for (size_t k = 0; k < tours.size(); k++, y -= 0.3f) {
    const tTourChrono& t = tours[k];
    ecrit_temps(temps, sizeof temps, t.temps);
    std::snprintf(ligne, sizeof ligne, "%s %2i  %s", texte_langue("Tour", "Lap"), static_cast<int>(k + 1), temps);
    Texte.print_spe(0, CVector3(x, y, -5.0f), ligne, false, 20, 188, 186, 150, true, 0);
    if (!t.avec_ecart) continue;
    const float apres = x + Texte.longueur_texte(ligne) + 0.3f;
    ecrit_temps(ecart, sizeof ecart, std::abs(t.ecart));
    std::snprintf(ligne, sizeof ligne, "%c%s", t.ecart <= 0 ? '-' : '+', ecart);
    const bool mieux = t.ecart <= 0;
    Texte.print_spe(0, CVector3(apres, y, -5.0f), ligne, false, mieux ? 40 : 240, mieux ? 220 : 40, 40, 200, true, 0);
  }
}

void dessine_annonce_fantome(bool fantome, int temps) {
  char ligne[96], t[16];
  if (fantome) {
    ecrit_temps(t, sizeof t, temps);
    std::snprintf(ligne, sizeof ligne, "%s %s", texte_langue("Fantome :", "Ghost:"), t);
  } else {
    std::snprintf(ligne, sizeof ligne, "%s",
                  texte_langue("Premier essai : pas encore de fantome", "First run: no ghost yet"));
  }
  Texte.print_spe(2, CVector3(0, 1.0f, -4.0f), ligne, false, 110, 150, 255, 220, true, 0);
}
