// Race preparation and teardown shared by the events.
#include "race/evenement.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

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
#include "ui/avis_fichiers.h"
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

bool charge_course(void (*annonce)(const char*), uint32_t graine) {
  if (annonce) annonce(texte_langue("Preparation du jeu .", "Preparing game ."));
  const tChargeMonde monde = charge_monde();
  if (monde.deco_absente) signale_deco_par_defaut();
  if (!signale_modeles(monde.modeles)) std::exit(1);
  borne_tours();
  if (annonce) annonce(texte_langue("Preparation du jeu . .", "Preparing game . ."));
  charge_trajectoire();
  // A line of fewer than two points has a lap of length zero: every pilot would finish at once
  // and those times would go into the hiscores.
  if (nb_point_t < POINTS_TRAJ_MIN) {
    std::fprintf(stderr, "veltra: %s holds %i point(s); a race needs %i\n", chemin_trajectoire().c_str(), nb_point_t,
                 POINTS_TRAJ_MIN);
    libere_course();
    return false;
  }
  if (annonce) annonce(texte_langue("Preparation du jeu . . .", "Preparing game . . ."));
  if (Joueurs[5]) Joueurs[5]->SetNom(NOM_JOUEUR);
  std::snprintf(FICHIER_MUSIQUE, sizeof FICHIER_MUSIQUE, "./sons/music%i.it", LEVEL_ACTIF);
  // A new race from here on: the bonuses' places are its first draws.
  seme_course(graine);
  charge_positions_bonus();
  // Only the sound system's objects live through the race.
  if (!charge_effetSons()) signale_effetSons_par_defaut();
  CreationOcclusion(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
  Effacement_liste_effetSon();
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (!Joueurs[i]) continue;
    Joueurs[i]->remet_a_neuf();
    Joueurs[i]->set_ptr_destination(prem_list_ptraj);
    if (i < 5) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
  return true;
}

bool charge_course_jeu(uint32_t graine) {
  if (charge_course(message, graine)) {
    prepare_rendu_monde();
    return true;
  }
  dialogue_course_impossible(LEVEL_ACTIF);
  return false;
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
