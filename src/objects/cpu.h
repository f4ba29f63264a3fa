// A computer pilot: the player's driving model with four decisions taken each step (steer left,
// steer right, throttle, brake) from a jittered target on the racing line, its slide, the ship
// ahead and the race situation; detours for bonuses, fires them by simple rules, and is put
// back on the racing line when stuck.
#pragma once

#include "objects/joueur.h"

class CObjBonus;

class CJoueurCPU : public CObjJoueur {
 public:
  CJoueurCPU();
  CJoueurCPU(float x, float y, float z, float cap);

  void action() override;
  void remet_a_neuf() override;
  // Remembers the wall for a few steps, to steer off it.
  void SetContactDecor(bool contact, CVector3 normal) override;
  void ResetPosition(float x, float y, float z, float cap) override;
  void set_ptr_destination(Point_Traj* p) override;
  // Overtaking: called by the ranking right after it told the pilot who is ahead.
  void CheckDouble() override;
  // The bonus is about to be freed: stop heading for it.
  void oublie_bonus(const CObjBonus* b);

  // Throttle and brake for this step from |Delta|, the slide and the speed; above Normal,
  // corrected by the look ahead.
  void decide_pedales();
  // The harder levels' look ahead: throttle off, or brake, before a bend the ship could not
  // follow at its speed; throttle off in a wide slide beyond Normal's speed.
  void anticipe_virage();
  // The sharpest turn the racing line asks for within `portee` units ahead: the angle between
  // the direction of travel and a stretch of the line, over the distance to that stretch
  // (degrees per unit). 0 without a line or while still.
  float exigence_virage(float portee) const;
  // Highest speed the throttle may reach this step.
  float plafond_vitesse() const;
  // Ground slide recovery after the speed change of this step.
  void recupere_glisse();

  float Delta = 0;
  float Delta_max = 0, Delta_min = 0;
  CVector3 decalage{0, 0, 0};
  float angle_cible = 0;
  bool gauche = false, droite = false, accelere = false, freine_cpu = false;
  bool detour_bonus = false;
  CObjBonus* bonus_vise = nullptr;
  int pas_depuis_mur = 1000;  // steps since the ship last touched a wall
  CVector3 normale_mur{0, 0, 0};  // horizontal direction away from that wall

  // Steps without reaching a point before the pilot is put back on the line.
  static constexpr int ATTENTE_MAX = 300;

 protected:
  void Roule() override;
  void Saute() override;
  void CollisionRoule() override { roule_apres_choc(10); }
  void Explode() override { explose(); }
  void Attend() override {}
  void Finish() override;

 private:
  // The point just passed: the one before the target.
  Point_Traj* point_avant_cible() const;
  // Fire decision from the bonus hanging at the point just passed.
  int tir_sur_bonus_du_point() const;
  // A new target point was reached: bonus detour and jitter.
  void nouveau_point();
  void suit_detour();
  int decide_tir(int f);
  // Random offset of the target, tighter for the leaders.
  float dispersion() const;
};
