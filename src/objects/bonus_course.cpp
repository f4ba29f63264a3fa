// What the race step does with bonuses, and how a pilot fires what it holds.
#include <cstdlib>

#include "objects/bonus.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "world/monde.h"
#include "world/octree.h"

namespace {

void explosion_au(CVector3 p) { creation_partic(PARTIC_EXPLOSION, p.x, p.y, p.z); }

void sept_etincelles(CVector3 p) {
  for (int i = 0; i < 7; i++) creation_partic(PARTIC_ETINCELLE_ROUGE, p.x, p.y, p.z);
}

}  // namespace

void etape_bonus() {
  CObjBonus* b = prem_list_bonus;
  while (b) {
    CObjBonus* suivant = b->suivant;
    // A pick-up or mine lying still on level enough ground stays as it is: the circuit does not
    // move, and it met no wall when it landed.
    const bool au_repos = b->GetType() != BONUS_MISSILE && b->GetContactSol() && b->face_sol.normale.y >= 0.7f;
    if (!au_repos) {
      b->ResetContacts();
      g_Octree.ChercheSolObjet(b, &g_World);
      g_Octree.CollisionsObjetmonde(b, &g_World);
    }
    b->action();
    if (b->GetDestruct()) {
      const CVector3 p = b->GetPositionCollision();
      b->StopSon();
      Destruct_bonus(b);
      explosion_au(p);
    }
    b = suivant;
  }
}

void contacts_pilotes_bonus() {
  for (CObjJoueur* pilote : Joueurs) {
    if (!pilote) continue;
    CObjBonus* b = prem_list_bonus;
    while (b) {
      CObjBonus* suivant = b->suivant;
      const CVector3 P = pilote->GetPositionCollision();
      const CVector3 B = b->GetPositionCollision();
      const CVector3 d = B - P;
      // The sum of the squared radii, not the square of their sum.
      const bool touche = Dot(d, d) < pilote->GetRadiusCarre() + b->GetRadiusCarre();
      if (b->GetEtat() && touche) {
        const int type = b->GetType();
        if (type < BONUS_MINE) {
          if (pilote->GetBonusType() == 0) {
            pilote->SetBonus(type);
            pilote->stats.bonus_pris++;
            b->DeActive();
            sept_etincelles(B);
            Son_Bonus(B.x, B.y, B.z);
          }
        } else if (type == BONUS_MINE) {
          explosion_au(B);
          Destruct_bonus(b);
          pilote->Set_Explode();
          sept_etincelles(B);
        } else if (type == BONUS_MISSILE) {
          explosion_au(B);
          b->StopSon();
          Destruct_bonus(b);
          pilote->Set_Explode();
        }
      }
      b = suivant;
    }
  }
}

bool CObjJoueur::declenche_bonus(int f) {
  if (f == 0 || f != bonus) return false;
  const float h = angle_deplacement;
  if (f == BONUS_VITESSE) {
    // A second speed bonus stays held while a boost runs.
    if (boost != 0) return false;
    boost = 1;
    multiplicateur = 1.2f;
    BeginBoost();
  } else if (f == BONUS_MINE_A_PRENDRE) {
    largue_mine(position, h);
  } else if (f == BONUS_MISSILE_A_PRENDRE) {
    lance_missile(position, h, angle);
  } else {
    return false;
  }
  bonus = 0;
  stats.bonus_tires++;
  return true;
}

void CObjJoueur::compte_temps_boost() {
  if (boost != 1) return;
  temps_boost++;
  if (temps_boost > 450) {
    temps_boost = 0;
    boost = 0;
    multiplicateur = 1.0f;
    StopBoost();
  }
}
