// The time trial's flow: dialog, circuit, ghost, the run, records and the classification.
#include "app/contre_la_montre.h"

#include <allegro.h>

#include <cstdio>
#include <string>

#include "app/parties.h"
#include "common/globals.h"
#include "objects/joueur.h"
#include "race/boucle.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/contre_la_montre_rendu.h"
#include "race/course.h"
#include "race/ecrans_classement.h"
#include "race/evenement.h"
#include "race/fantome.h"
#include "race/replays.h"
#include "ui/menus.h"
#include "world/minimap.h"
#include "world/trajectoire.h"

namespace {

// The time to beat and the first run's word stay this many race steps (5 seconds).
constexpr int PAS_ANNONCE = 150;

// What the race loop's hooks show of the run under way.
struct Seance {
  bool avec_fantome = false;
  int temps_fantome = 0;
  tFantome fantome;
  CChronoTours chrono;
  int pas = 0;
};
Seance* g_Seance = nullptr;

void apres_etape() {
  Seance& s = *g_Seance;
  s.pas++;
  const CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (h && h->GetTour() <= NOMBRE_TOURS) {
    s.chrono.note(h->GetTour(), CHRONO_MINUTES * 3600 + CHRONO_SECONDES * 60 + CHRONO_MILISECONDES);
  }
  // The minimap's five other dots: the ghost, or hidden under the player's own.
  if (!h) return;
  const bool fantome = static_cast<size_t>(s.pas) <= s.fantome.poses.size();
  const CVector3 p = fantome ? s.fantome.poses[s.pas - 1].position : h->position;
  for (int i = 0; i < NB_PILOTES_CPU; i++) g_Minimap.setPositionJoueurs(i, p);
}

void scene() {
  const Seance& s = *g_Seance;
  const CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h || s.pas < 1 || static_cast<size_t>(s.pas) > s.fantome.poses.size()) return;
  dessine_fantome(s.fantome.poses[s.pas - 1], h->obj3D);
}

void infos() {
  const Seance& s = *g_Seance;
  dessine_tours(s.chrono.tours());
  if (s.pas < PAS_ANNONCE) dessine_annonce_fantome(s.avec_fantome, s.temps_fantome);
}

// The run on the loaded circuit; true when the player finished it and confirmed the end.
bool course(Seance& s, uint32_t graine) {
  tReplay meilleur;
  std::string erreur;
  s.avec_fantome = charge_fantome(LEVEL_ACTIF, NOMBRE_TOURS, &meilleur, &erreur);
  if (s.avec_fantome) {
    s.fantome = calcule_fantome(meilleur);
    s.temps_fantome = static_cast<int>(meilleur.temps);
    s.chrono = CChronoTours(s.fantome.tours);
  } else if (erreur.find("cannot read") == std::string::npos) {
    std::fprintf(stderr, "veltra: no ghost: %s\n", erreur.c_str());  // there is a file, but not one to race
  }
  prepare_contre_la_montre(graine);
  if (const CObjJoueur* h = Joueurs[JOUEUR_HUMAIN]) {
    for (int i = 0; i < NB_JOUEURS; i++) g_Minimap.setPositionJoueurs(i, h->position);
  }
  g_Seance = &s;
  g_CrochetsCourse = {apres_etape, scene, infos};
  attend_pret();
  const int fin = course_ou_editeur();
  g_CrochetsCourse = tCrochetsCourse();
  g_Seance = nullptr;
  return fin == FIN_PODIUM && tab_arrive[0] == Joueurs[JOUEUR_HUMAIN];
}

}  // namespace

void MENU_Contre_la_montre() {
  borne_circuit();
  if (dialogue_evenement(texte_langue("Contre la montre", "Time trial"), "Stage ", &LEVEL_ACTIF, &NB_LEVELS, 12) == 10) {
    borne_circuit();
    PiloteSeul seul;
    const uint32_t graine = graine_horloge();
    if (charge_course_jeu(graine)) {
      Seance s;
      if (course(s, graine)) {
        maj_hiscores_contre_la_montre(NOMBRE_TOURS * LONGUEUR_CIRCUIT);
        const tReplay* r = dernier_replay();
        if (r && r->graine == graine) sauve_fantome(*r);
        ecran_classement_simple(false);
      }
      libere_course();
    }
  }
  set_config_int("Game", "Level_actif", LEVEL_ACTIF);
}
