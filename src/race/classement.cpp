// Running order, laps and arrivals.
#include "race/classement.h"

#include "common/globals.h"
#include "world/trajectoire.h"

int tab_points_valides[NB_JOUEURS];
float tab_distance_cible[NB_JOUEURS];
CObjJoueur* tab_classement_joueurs[NB_JOUEURS];
CObjJoueur* tab_arrive[NB_JOUEURS];
tTemps tab_temps[NB_JOUEURS];
void (*g_RapportArrivee)(int place, const CObjJoueur* pilote, const tTemps& temps) = nullptr;

namespace {

bool est_arrive(const CObjJoueur* j) {
  for (CObjJoueur* a : tab_arrive) {
    if (a == j) return true;
  }
  return false;
}

tTemps temps(int minutes, int secondes, int soixantiemes) {
  tTemps t;
  t.minutes = minutes + secondes / 60;
  t.secondes = secondes % 60;
  t.soixantiemes = soixantiemes;
  t.total = t.minutes * 3600 + t.secondes * 60 + t.soixantiemes;
  return t;
}

// Records an arrival at the first empty place; returns that place (0-based) or -1.
int enregistre_arrivee(CObjJoueur* j, const tTemps& t) {
  for (int k = 0; k < NB_JOUEURS; k++) {
    if (!tab_arrive[k]) {
      tab_arrive[k] = j;
      tab_temps[k] = t;
      j->SetClassement(k + 1);
      if (g_RapportArrivee) g_RapportArrivee(k + 1, j, t);
      return k;
    }
  }
  return -1;
}

}  // namespace

void init_classement() {
  for (int k = 0; k < NB_JOUEURS; k++) {
    tab_arrive[k] = nullptr;
    tab_temps[k] = tTemps();
  }
}

void decal_classement(int k) {
  for (int j = NB_JOUEURS - 1; j > k; j--) {
    tab_points_valides[j] = tab_points_valides[j - 1];
    tab_distance_cible[j] = tab_distance_cible[j - 1];
    tab_classement_joueurs[j] = tab_classement_joueurs[j - 1];
  }
}

void classement_etape() {
  // Arrived pilots hold the first places.
  for (int k = 0; k < NB_JOUEURS; k++) {
    CObjJoueur* p = tab_arrive[k];
    if (!p) {
      tab_points_valides[k] = -1;
      tab_distance_cible[k] = -1.0f;
      tab_classement_joueurs[k] = nullptr;
    } else {
      tab_points_valides[k] = p->GetPointValide() + (nb_point_t + 1) * p->GetTour();
      tab_distance_cible[k] = 0;
      tab_classement_joueurs[k] = p;
      p->SetClassement(k + 1);
    }
  }
  // Laps, then the running order by score and distance to the target point.
  for (CObjJoueur* p : Joueurs) {
    if (!p) continue;
    const int v = p->GetPointValide();
    if (v >= nb_point_t) {
      p->ResetValide();
      p->AddTour();
    }
    const int score = v + p->GetTour() * nb_point_t;
    if (p->GetFinish()) continue;
    for (int k = 0; k < NB_JOUEURS; k++) {
      if (tab_points_valides[k] < score ||
          (tab_points_valides[k] == score && p->GetDistanceCible() < tab_distance_cible[k])) {
        decal_classement(k);
        tab_points_valides[k] = score;
        tab_distance_cible[k] = p->GetDistanceCible();
        tab_classement_joueurs[k] = p;
        p->SetClassement(k + 1);
        break;
      }
    }
  }
  for (int k = 0; k < NB_JOUEURS; k++) {
    if (tab_classement_joueurs[k]) tab_classement_joueurs[k]->SetClassement(k + 1);
  }
  if (Joueurs[JOUEUR_HUMAIN]) {
    const int place_humain = Joueurs[JOUEUR_HUMAIN]->GetClassement();
    for (CObjJoueur* p : Joueurs) {
      if (p) p->SetClassementH(place_humain);
    }
  }
  // Arrivals, timed by the chronometer of this step.
  for (CObjJoueur* p : Joueurs) {
    if (!p || p->GetTour() < NOMBRE_TOURS || est_arrive(p)) continue;
    p->Set_Finish();
    enregistre_arrivee(p, temps(CHRONO_MINUTES, CHRONO_SECONDES, CHRONO_MILISECONDES));
  }
  // Neighbours ahead and behind.
  for (int k = 0; k < NB_JOUEURS; k++) {
    CObjJoueur* p = tab_classement_joueurs[k];
    if (!p) continue;
    CObjJoueur* devant = k > 0 ? tab_classement_joueurs[k - 1] : nullptr;
    if (devant) {
      p->SetJoueurDevant(devant, devant->GetClassement(), devant->GetVectorPosition());
    } else {
      p->SetJoueurDevant(nullptr, -1, CVector3(0, 0, 0));
    }
    p->CheckDouble();
    CObjJoueur* derriere = k < NB_JOUEURS - 1 ? tab_classement_joueurs[k + 1] : nullptr;
    if (derriere) {
      p->SetJoueurDerriere(derriere, derriere->GetClassement(), derriere->GetVectorPosition());
    } else {
      p->SetJoueurDerriere(nullptr, -1, CVector3(0, 0, 0));
    }
  }
}

int complete_classement() {
  int rang = 0;
  for (CObjJoueur* p : tab_classement_joueurs) {
    if (!p || est_arrive(p)) continue;
    rang++;
    enregistre_arrivee(p, temps(CHRONO_MINUTES, CHRONO_SECONDES + 10 * rang, CHRONO_MILISECONDES));
  }
  // A pilot missing from the running order (none in a normal race) still gets a place.
  for (CObjJoueur* p : Joueurs) {
    if (!p || est_arrive(p)) continue;
    rang++;
    enregistre_arrivee(p, temps(CHRONO_MINUTES, CHRONO_SECONDES + 10 * rang, CHRONO_MILISECONDES));
  }
  // Only the places of the pilots racing count: a time trial has one.
  int presents = 0;
  for (CObjJoueur* p : Joueurs) presents += p ? 1 : 0;
  int vides = 0;
  for (int k = 0; k < presents; k++) vides += tab_arrive[k] ? 0 : 1;
  return vides;
}
