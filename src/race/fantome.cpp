// Playing the best run again into the ghost's table.
#include "race/fantome.h"

#include "audio/son.h"
#include "common/globals.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/course.h"
#include "common/controle_replay.h"

tPoseFantome pose_joueur() {
  tPoseFantome p;
  const CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h) return p;
  p.position = h->position;
  p.angle = h->angle;
  p.normale = h->face_sol.normale;
  return p;
}

namespace {

// What the run would otherwise leave changed for the game around it: the controller, the sound
// system and the arrivals' report (both silenced for the run), the lap count and the clocks.
class Sauvegarde {
 public:
  Sauvegarde()
      : controle_(controle), son_(g_SystemeSon), tours_(NOMBRE_TOURS), chrono_(game_CHRONO),
        m_(CHRONO_MINUTES), s_(CHRONO_SECONDES), ss_(CHRONO_MILISECONDES), rapport_(g_RapportArrivee) {
    g_SystemeSon = HSysteme{};
    g_RapportArrivee = nullptr;
  }
  ~Sauvegarde() {
    controle = controle_;
    g_SystemeSon = son_;
    NOMBRE_TOURS = tours_;
    game_CHRONO = chrono_;
    CHRONO_MINUTES = m_;
    CHRONO_SECONDES = s_;
    CHRONO_MILISECONDES = ss_;
    g_RapportArrivee = rapport_;
  }
  Sauvegarde(const Sauvegarde&) = delete;
  Sauvegarde& operator=(const Sauvegarde&) = delete;

 private:
  Ccontrol* controle_;
  HSysteme son_;
  int tours_, chrono_, m_, s_, ss_;
  void (*rapport_)(int, const CObjJoueur*, const tTemps&);
};

}  // namespace

tFantome calcule_fantome(const tReplay& r) {
  tFantome f;
  CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h || r.etats.size() <= static_cast<size_t>(PAS_DECOMPTE)) return f;
  Sauvegarde sauvegarde;
  NOMBRE_TOURS = r.tours;
  CcontrolReplay rejeu(r.etats);
  controle = &rejeu;
  // As the race loop runs it: the countdown's steps, the start, then the race's.
  prepare_contre_la_montre(r.graine);
  prepare_pilotes();
  for (int i = 0; i < PAS_DECOMPTE; i++) etape_pilotes();
  demarre_course();
  game_CHRONO = 0;
  CHRONO_MINUTES = CHRONO_SECONDES = CHRONO_MILISECONDES = 0;
  CChronoTours chrono;
  EtatCourse etat;
  f.poses.reserve(r.etats.size() - PAS_DECOMPTE);
  while (!rejeu.fini()) {
    game_CHRONO += 2;
    chrono_course();
    etape_course(etat);
    avance_particules();
    f.poses.push_back(pose_joueur());
    if (h->GetTour() <= r.tours) chrono.note(h->GetTour(), CHRONO_MINUTES * 3600 + CHRONO_SECONDES * 60 + CHRONO_MILISECONDES);
  }
  for (const tTourChrono& t : chrono.tours()) f.tours.push_back(t.temps);
  Effacement_liste_partic();
  return f;
}
