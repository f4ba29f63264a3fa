// Race set-up and teardown shared by the game, its replays, the simulator and the benches.
#include "race/evenement.h"

#include <cstdio>
#include <utility>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "objects/bonus.h"
#include "objects/bonus_placement.h"
#include "objects/particules.h"
#include "common/globals.h"
#include "race/classement.h"
#include "race/course.h"
#include "world/decorations.h"
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

tChargeCourse charge_course(void (*annonce)(const char*), uint32_t graine) {
  tChargeCourse r;
  if (annonce) annonce(texte_langue("Preparation du jeu .", "Preparing game ."));
  tChargeMonde monde = charge_monde();
  r.deco_par_defaut = monde.deco_absente;
  r.decos_par_defaut = nb_deco;
  r.modeles = std::move(monde.modeles);
  for (const tRapport3DS& m : r.modeles) r.modele_absent = r.modele_absent || m.resultat == IMPORT_ABSENT;
  if (r.modele_absent) {
    libere_course();
    return r;
  }
  borne_tours();
  if (annonce) annonce(texte_langue("Preparation du jeu . .", "Preparing game . ."));
  charge_trajectoire();
  // A line of fewer than two points has a lap of length zero: every pilot would finish at once
  // and those times would go into the hiscores.
  if (nb_point_t < POINTS_TRAJ_MIN) {
    std::fprintf(stderr, "veltra: %s holds %i point(s); a race needs %i\n", chemin_trajectoire().c_str(), nb_point_t,
                 POINTS_TRAJ_MIN);
    r.trajectoire_courte = true;
    libere_course();
    return r;
  }
  if (annonce) annonce(texte_langue("Preparation du jeu . . .", "Preparing game . . ."));
  if (Joueurs[JOUEUR_HUMAIN]) Joueurs[JOUEUR_HUMAIN]->SetNom(NOM_JOUEUR);
  std::snprintf(FICHIER_MUSIQUE, sizeof FICHIER_MUSIQUE, "./sons/music%i.it", LEVEL_ACTIF);
  // A new race from here on: the bonuses' places are its first draws.
  seme_course(graine);
  charge_positions_bonus();
  // Only the sound system's objects live through the race.
  r.effetSons_par_defaut = !charge_effetSons();
  r.effetSons_crees = nb_effetSon;
  CreationOcclusion(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
  Effacement_liste_effetSon();
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (!Joueurs[i]) continue;
    Joueurs[i]->remet_a_neuf();
    Joueurs[i]->set_ptr_destination(prem_list_ptraj);
    if (i < NB_PILOTES_CPU) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
  r.pret = true;
  return r;
}

void place_grille(CObjJoueur* const* ordre) {
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (ordre[i]) SetPositionDepart(i, ordre[i]);
  }
}

void libere_course() {
  Effacement_liste_bonus();
  Effacement_liste_partic();
  destroy_reverberations();
  libere_occlusion();
  Effacement_liste_point_t();
  destroy_monde();
}
