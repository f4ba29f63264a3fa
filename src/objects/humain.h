// The player's ship, driven through the global controller: throttle, brake and reverse,
// steering that builds up, the slide, jumps, wall hits, explosions, the autopilot after the
// finish, bonus firing and the wrong-way warning. Its head-up display is drawn by
// affiche_tableau_de_bord (humain_rendu.cpp).
#pragma once

#include "objects/joueur.h"

class CJoueurHumain : public CObjJoueur {
 public:
  CJoueurHumain();
  CJoueurHumain(float x, float y, float z, float cap);

  void action() override;
  void remet_a_neuf() override;
  void ResetPosition(float x, float y, float z, float cap) override;
  void set_ptr_destination(Point_Traj* p) override { vise_point(p); }

  bool sens_interdit = false;
  int compteur_sens = 0;
  float produit_sens = 0;
  float alignement_traj = 0;
  bool accelere = false;
  bool freinage = false;
  int rotation_bonus = 0;

 protected:
  void Roule() override;
  void Saute() override;
  void CollisionRoule() override;
  void Explode() override;
  void Attend() override {}
  void Finish() override;

 private:
  // The controller's commands for this step (nothing when there is no controller).
  bool gaz() const;
  bool frein() const;
  bool gauche() const;
  bool droite() const;
  // Counts the steps spent against the racing line and blinks the warning.
  void verifie_sens();
  // Fires the held bonus on a release of the validate button.
  void tire_bonus();
  void compte_boost();
  // Slide recovery on the ground, by the size of the slide and the pedals.
  void recupere_glisse();
};
