// Bonuses: pick-ups that give a boost, a mine or a missile and come back as a random kind a while
// after being taken, and the weapons themselves (dropped mines, flying missiles), in one list.
//
//   creation_bonus(22, x, y, z);        // a missile; the new object is act_bonus
//   act_bonus->SetDeplacement(angle);
//   etape_bonus();                      // each race step: fall, slide, age, destroy what asks
//   contacts_pilotes_bonus();           // each race step: ships take pick-ups or blow up
//   Effacement_liste_bonus();           // end of a race event
#pragma once

#include "audio/son_api.h"
#include "objects/objet.h"

class CObjJoueur;

// Kinds of bonus: pick-ups are below BONUS_MINE.
constexpr int BONUS_VITESSE = 1;
constexpr int BONUS_MINE_A_PRENDRE = 2;
constexpr int BONUS_MISSILE_A_PRENDRE = 3;
constexpr int BONUS_MINE = 21;
constexpr int BONUS_MISSILE = 22;

class CObjBonus : public Cobjet {
 public:
  CObjBonus() = default;

  void SetContactDecor(bool, CVector3) override {}
  void action() override;
  void Set_Chute() override {}
  void Set_Roule() override {}
  // A bonus that meets a wall is destroyed.
  void Set_Collision() override { destruct = true; }
  void ResetContacts() { contact_ombre = contact_sol = contact_decor = false; }
  CVector3 GetPositionCollision() override { return position + face_sol.normale * hauteur_collision; }

  CObjBonus* GetSuivant() const { return suivant; }
  CObjBonus* GetPrecedent() const { return precedent; }
  void SetSuivant(CObjBonus* b) { suivant = b; }
  void SetPrecedent(CObjBonus* b) { precedent = b; }
  bool GetEtat() const { return etat; }
  bool GetDestruct() const { return destruct; }
  int GetType() const { return type; }
  // Kind with its model, radius and speed.
  void SetType(int t);
  void SetVitesse(float v) { vitesse = v; }
  // Flies and is drawn along heading a.
  void SetDeplacement(float a);
  void SetSon(HSon s, float min, float max);
  // Plays the loop on a free channel; 1 when it could not be played.
  int BeginSon();
  void StopSon();
  // Stays hidden for n counted steps once taken; starts at a random point of that wait.
  void SetTempDeactif(int n);
  // Taken: hidden until the wait is over.
  void DeActive() {
    etat = false;
    temps = 0;
  }

  CObjBonus* suivant = nullptr;
  CObjBonus* precedent = nullptr;
  bool etat = true;
  int temps = 0;
  int temps_deactif = 0;
  int age = 0;
  bool destruct = false;
  HSon son;
  HCanal canal;
  int resultat_fmod = 0;
  float distance_son_min = 0;
  float distance_son_max = 0;
};

extern CObjBonus* prem_list_bonus;
extern CObjBonus* haut_list_bonus;
extern CObjBonus* act_bonus;
extern int nb_bonus;

// A new bonus of `type` at (x, y, z) at the end of the list; it becomes act_bonus. A missile
// starts its loop at once.
void creation_bonus(int type, float x, float y, float z);
// Frees one; act_bonus moves to its predecessor (its successor when it was the first). The
// caller stops a missile's sound first.
void Destruct_bonus(CObjBonus* b);
void Effacement_liste_bonus();

// Race step: every bonus against the circuit, then its own step; those that ask for it are
// destroyed with an explosion.
void etape_bonus();
// Race step: each ship against each active bonus.
void contacts_pilotes_bonus();

// A mine 8 units behind heading h from `p`.
void largue_mine(CVector3 p, float h);
// A missile 8 units ahead along heading h from `p`, flying along heading `cap`.
void lance_missile(CVector3 p, float h, float cap);
