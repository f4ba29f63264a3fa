// The self-driving controller.
#include "objects/cpu_bot.h"

#include <cmath>

#include "objects/joueur.h"
#include "world/trajectoire.h"

namespace {

constexpr int TYPE_BOT = 3;

float dans_180(float a) {
  while (a > 180) a -= 360;
  while (a < -180) a += 360;
  return a;
}

}  // namespace

CcontrolBot::CcontrolBot(CObjJoueur* p) : Ccontrol(TYPE_BOT), pilote(p) {}

void CcontrolBot::Pool() {
  int lu[NB_BOUTONS] = {0};
  if (pilote && pilote->GetPtrTraj()) {
    const CVector3 pos = pilote->GetVectorPosition();
    // Looks past a point it is about to reach, as a player looks down the road.
    CVector3 vise = pilote->pos_destination;
    const float dx = vise.x - pos.x, dz = vise.z - pos.z;
    if (dx * dx + dz * dz < 30 * 30) vise = (vise + ptraj_suivant(pilote->GetPtrTraj())->position) * 0.5f;
    // After a wall, keeps off it for a while.
    apres_mur = pilote->GetEtat() == EtatPilote::CollisionRoule ? 0 : apres_mur + 1;
    const CVector3 mur(pilote->normale_decor.x, 0, pilote->normale_decor.z);
    if (apres_mur < 20 && Magnitude(mur) > 0) vise += Normalize(mur) * 25.0f;
    const float delta = dans_180(get_angle(pos.x, pos.z, vise.x, vise.z) - pilote->angle);
    const float v = pilote->GetVitesse();
    const float V = pilote->vitesse_max;
    const float d = std::fabs(delta);
    const float g = std::fabs(pilote->glisse);

    const bool roule = pilote->GetEtat() == EtatPilote::Roule;
    lent = roule && pilote->peut_bouger && v < 0.3f ? lent + 1 : 0;
    if (lent > 45) {
      recule = 30;
      lent = 0;
    }
    if (recule > 0) {
      // Backing away from a wall, turned the other way.
      recule--;
      lu[BT_BAS] = 1;
      lu[delta > 0 ? BT_DROITE : BT_GAUCHE] = 1;
    } else {
      if (delta > 3) lu[BT_GAUCHE] = 1;
      if (delta < -3) lu[BT_DROITE] = 1;
      if (d > 60 && v > 0.45f * V) {
        lu[BT_BAS] = 1;
      } else if ((d > 25 && v > 0.75f * V) || g > 35) {
        // Lift off through the bend.
      } else {
        lu[BT_HAUT] = 1;
      }
    }
    // Fires as soon as it holds something, the speed bonus on a straight only.
    const int b = pilote->GetBonusType();
    if (tir) {
      tir = 0;
    } else if (b != 0 && (b != 1 || d < 5)) {
      tir = 1;
    }
    lu[BT_VALIDE] = tir;
  }
  avance_banque(etat, etat_avant, relache, lu);
}
