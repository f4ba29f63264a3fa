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
#include "common/controle_replay.h"
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
    if (i < NB_PILOTES_CPU) Joueurs[i]->set_vitesse_max(r.vitesse_cpu);
  }
  if (Joueurs[JOUEUR_HUMAIN]) Joueurs[JOUEUR_HUMAIN]->SetNom(r.nom.c_str());
  place_grille(grille);
  CcontrolReplay rejeu(r.etats);
  boucle_replay(rejeu);
  if (Joueurs[JOUEUR_HUMAIN]) Joueurs[JOUEUR_HUMAIN]->SetNom(NOM_JOUEUR);
  for (int i = 0; i < NB_PILOTES_CPU; i++) {
    if (Joueurs[i]) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
  NOMBRE_TOURS = tours;
}
