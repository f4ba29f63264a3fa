// Race preparation and teardown shared by the events.
#include "race/evenement.h"

#include <allegro.h>

#include <cstdio>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "objects/bonus.h"
#include "objects/bonus_placement.h"
#include "objects/particules.h"
#include "common/globals.h"
#include "race/boucle.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/rendu_course.h"
#include "world/monde.h"
#include "world/trajectoire.h"

void SetPositionDepart(int place, CObjJoueur* pilote) {
  static const float grille[6][2] = {{20, 7}, {40, -7}, {60, 7}, {80, -7}, {100, 7}, {120, -7}};
  const bool connue = place >= 0 && place < 6;
  const float x = connue ? grille[place][0] : 120;
  const float z = connue ? grille[place][1] : 7;
  pilote->ResetPosition(x, 3, z, 270);
  if (connue) tab_classement_joueurs[place] = pilote;
  pilote->SetClassement(place + 1);
  pilote->SetNBTours(NOMBRE_TOURS);
  pilote->SetMondeLimits(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
}

void borne_tours() {
  if (NOMBRE_TOURS < 1) NOMBRE_TOURS = 1;
}

void charge_course(uint32_t graine) {
  message(texte_langue("Preparation du jeu .", "Preparing game ."));
  charge_monde();
  borne_tours();
  message(texte_langue("Preparation du jeu . .", "Preparing game . ."));
  charge_trajectoire();
  message(texte_langue("Preparation du jeu . . .", "Preparing game . . ."));
  if (Joueurs[5]) Joueurs[5]->SetNom(NOM_JOUEUR);
  std::snprintf(FICHIER_MUSIQUE, sizeof FICHIER_MUSIQUE, "./sons/music%i.it", LEVEL_ACTIF);
  // A new race from here on: the bonuses' places are its first draws.
  seme_course(graine);
  charge_positions_bonus();
  // Only the sound system's objects live through the race.
  charge_effetSons();
  CreationOcclusion(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
  Effacement_liste_effetSon();
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (!Joueurs[i]) continue;
    Joueurs[i]->set_ptr_destination(prem_list_ptraj);
    if (i < 5) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
}

void place_grille(CObjJoueur* const* ordre) {
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (ordre[i]) SetPositionDepart(i, ordre[i]);
  }
}

void attend_pret() {
  // Keys pressed before the prompt are forgotten first: a player who answers as soon as the
  // prompt shows must not have the key cleared away after it.
  clear_keybuf();
  message(texte_langue("Pret ?", "Ready ?"));
  if (son_joue(g_SystemeSon, SON_PRET, false, &channel) == SON_OK) son_canal_set_volume(channel, VOLUME_SONS);
  while (!keypressed()) rest(1);
  clear_keybuf();
}

void libere_course() {
  Effacement_liste_bonus();
  Effacement_liste_partic();
  destroy_reverberations();
  libere_occlusion();
  Effacement_liste_point_t();
  destroy_monde();
}
