// The computer pilot's ship as drawn, and its debug overlay.
#include <cstdio>

#include "common/vue.h"
#include "objects/cpu.h"
#include "objects/vaisseau_style.h"
#include "ui/texte3d.h"

namespace {

const float ombre_cpu[16][2] = {{-4.9f, -1.1f}, {-4.7f, 1.1f},  {-3.0f, -2.5f}, {-2.7f, 1.1f},
                                {-0.5f, -2.2f}, {-1.7f, 3.2f},  {-0.16f, -3.3f}, {-0.35f, 3.7f},
                                {0.16f, -3.3f}, {0.35f, 3.7f},  {0.5f, -2.2f},  {1.7f, 3.2f},
                                {3.0f, -2.5f},  {2.7f, 1.1f},   {4.9f, -1.1f},  {4.7f, 1.1f}};

const CObjJoueur::StyleVaisseau style_cpu = {
    ombre_cpu, 16, true,
    {207, 38, 255, 60}, {100, 235, 253, 80}, {254, 40, 30, 128}, {200, 188, 168, 60},
    {{0.4f, 3.4f, -2.3f}, {1.1f, 3.7f, -2.3f}, {1.1f, 3.1f, -2.3f}}};

}  // namespace

void CJoueurCPU::render(tMateriaux* materiaux) { dessine_vaisseau(materiaux, style_cpu, accelere, freine_cpu); }

void CJoueurCPU::affiche_coord(tMateriaux*, int fps_affiche, int, int, int) {
  char lignes[5][96];
  std::snprintf(lignes[0], sizeof lignes[0], "Fps: %i|vit:%2.2f|pt_v:%i", fps_affiche, vitesse, point_valide);
  std::snprintf(lignes[1], sizeof lignes[1], "p pos x:%3.2f|y:%3.2f|z:%3.2f", position.x, position.y, position.z);
  std::snprintf(lignes[2], sizeof lignes[2], "dist:%5.2f|ang_:%3.2f", distance_cible, angle_cible);
  std::snprintf(lignes[3], sizeof lignes[3], "Angle:%3.3f|Delta:%2.2f", angle_deplacement, Delta);
  std::snprintf(lignes[4], sizeof lignes[4], "Delta_max:%3.3f|Delta_min:%3.3f", Delta_max, Delta_min);
  for (int i = 0; i < 5; i++) Texte.print(0, CVector3(-4.2f + ecart_bord_gauche(-4.0f), 3.2f - 0.35f * i, -4.0f), lignes[i], 0);
}
