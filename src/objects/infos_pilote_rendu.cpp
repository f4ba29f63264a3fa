// What the followed pilot shows over the scene, chosen by its kind.
#include <cstdio>

#include "common/vue.h"
#include "objects/cpu.h"
#include "objects/humain.h"
#include "objects/rendu_objets.h"
#include "ui/texte3d.h"

void affiche_infos_pilote(CObjJoueur& p, tMateriaux* materiaux, int fps, int minutes, int secondes, int soixantiemes) {
  if (auto* h = dynamic_cast<CJoueurHumain*>(&p)) {
    affiche_tableau_de_bord(*h, materiaux, minutes, secondes, soixantiemes);
  } else if (auto* c = dynamic_cast<CJoueurCPU*>(&p)) {
    affiche_decisions(*c, fps);
  } else {
    char ligne[32];
    std::snprintf(ligne, sizeof ligne, "Fps: %i", fps);
    Texte.print(0, CVector3(-2.5f + ecart_bord_gauche(-2.0f), 1.8f, -2.0f), ligne, 0);
  }
}
