// A controller that drives a ship by itself, through the same buttons a player presses: it
// steers at the ship's racing-line target, lifts and brakes for bends like a careful player,
// backs out when stuck, and fires what it holds. The headless simulator gives it to the human
// pilot; the game may use it as an autopilot.
//
//   CcontrolBot bot(Joueurs[JOUEUR_HUMAIN]);
//   controle = &bot;            // the human pilot polls it each step
#pragma once

#include "common/controle.h"

class CObjJoueur;

class CcontrolBot : public Ccontrol {
 public:
  explicit CcontrolBot(CObjJoueur* pilote);
  // Decides the buttons of this step from the pilot's state.
  void Pool() override;

  CObjJoueur* pilote;
  int lent = 0;      // steps spent (almost) still while it should be driving
  int recule = 0;    // steps of reversing left
  int tir = 0;       // 1 while the fire button is held
  int apres_mur = 1000;  // steps since the ship bounced off a wall
};
