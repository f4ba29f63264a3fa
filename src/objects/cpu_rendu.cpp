// A computer pilot's decisions over the scene, for tuning.
#include <cstdio>

#include "common/vue.h"
#include "objects/cpu.h"
#include "objects/rendu_objets.h"
#include "ui/texte3d.h"

void affiche_decisions(const CJoueurCPU& j, int fps_affiche) {
  char lignes[5][96];
  std::snprintf(lignes[0], sizeof lignes[0], "Fps: %i|vit:%2.2f|pt_v:%i", fps_affiche, j.vitesse, j.point_valide);
  std::snprintf(lignes[1], sizeof lignes[1], "p pos x:%3.2f|y:%3.2f|z:%3.2f", j.position.x, j.position.y, j.position.z);
  std::snprintf(lignes[2], sizeof lignes[2], "dist:%5.2f|ang_:%3.2f", j.distance_cible, j.angle_cible);
  std::snprintf(lignes[3], sizeof lignes[3], "Angle:%3.3f|Delta:%2.2f", j.angle_deplacement, j.Delta);
  std::snprintf(lignes[4], sizeof lignes[4], "Delta_max:%3.3f|Delta_min:%3.3f", j.Delta_max, j.Delta_min);
  for (int i = 0; i < 5; i++) {
    Texte.print(0, CVector3(-4.2f + ecart_bord_gauche(-4.0f), 3.2f - 0.35f * i, -4.0f), lignes[i], 0);
  }
}
