// Watching a recorded race again.
#include "race/revoir.h"

#include "common/globals.h"
#include "objects/bonus.h"
#include "objects/bonus_placement.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "race/boucle.h"
#include "race/course.h"
#include "race/evenement.h"
#include "ui/controle_replay.h"
#include "world/camera.h"
#include "world/monde.h"
#include "world/trajectoire.h"

void revoit_course(const tReplay& r) {
  const int tours = NOMBRE_TOURS;
  NOMBRE_TOURS = r.tours;
  // As charge_course prepares a race, on the circuit already loaded.
  Effacement_liste_bonus();
  Effacement_liste_partic();
  seme_course(r.graine);
  charge_positions_bonus();
  CObjJoueur* grille[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) {
    grille[i] = Joueurs[r.grille[i]];
    if (!Joueurs[i]) continue;
    Joueurs[i]->remet_a_neuf();
    Joueurs[i]->set_ptr_destination(prem_list_ptraj);
    if (i < 5) Joueurs[i]->set_vitesse_max(r.vitesse_cpu);
  }
  if (Joueurs[5]) Joueurs[5]->SetNom(r.nom.c_str());
  place_grille(grille);
  CcontrolReplay rejeu(r.etats);
  boucle_replay(rejeu);
  if (Joueurs[5]) Joueurs[5]->SetNom(NOM_JOUEUR);
  for (int i = 0; i < 5; i++) {
    if (Joueurs[i]) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
  NOMBRE_TOURS = tours;
}

bool joue_replay(const tReplay& r) {
  // Straight from the start-up, the camera has not been set up by the menus yet.
  g_Camera.PositionCamera(30, 10, 65, -50, 10, 35, 0, 1, 0);
  const int circuit = LEVEL_ACTIF;
  LEVEL_ACTIF = r.circuit;
  const bool pret = charge_course_jeu(r.graine);
  if (pret) {
    revoit_course(r);
    libere_rendu_monde();
    libere_course();
  }
  LEVEL_ACTIF = circuit;
  return pret;
}
