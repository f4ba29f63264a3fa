// The time trial's set-up, records, ghost file and lap times.
#include "race/contre_la_montre.h"

#include <cstdio>

#include "common/chemins.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "objects/bonus.h"
#include "objects/particules.h"
#include "race/course.h"
#include "race/evenement.h"
#include "race/hiscores.h"
#include "world/trajectoire.h"

bool CONTRE_LA_MONTRE = false;

PiloteSeul::PiloteSeul() {
  for (int i = 0; i < NB_PILOTES_CPU; i++) {
    cpu_[i] = Joueurs[i];
    Joueurs[i] = nullptr;
  }
  CONTRE_LA_MONTRE = true;
}

PiloteSeul::~PiloteSeul() {
  for (int i = 0; i < NB_PILOTES_CPU; i++) Joueurs[i] = cpu_[i];
  CONTRE_LA_MONTRE = false;
}

void prepare_contre_la_montre(uint32_t graine) {
  Effacement_liste_bonus();
  Effacement_liste_partic();
  seme_course(graine);
  CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h) return;
  h->remet_a_neuf();
  h->SetNom(NOM_JOUEUR);
  h->set_ptr_destination(prem_list_ptraj);
  SetPositionDepart(0, h);
}

namespace {

std::string relatif(int circuit, int tours, const char* extension) {
  char c[64];
  std::snprintf(c, sizeof c, "./hiscores/t_%i_%i.%s", circuit, tours, extension);
  return c;
}

}  // namespace

std::string chemin_hiscores_contre_la_montre() {
  return chemin_utilisateur(relatif(LEVEL_ACTIF, NOMBRE_TOURS, "dat"));
}

std::string chemin_fantome(int circuit, int tours) { return chemin_utilisateur(relatif(circuit, tours, "rpl")); }

bool maj_hiscores_contre_la_montre(float longueur) {
  return maj_hiscores_simple_dans(chemin_hiscores_contre_la_montre(), longueur);
}

bool charge_fantome(int circuit, int tours, tReplay* r, std::string* erreur) {
  tReplay lu;
  if (!charge_replay(chemin_fantome(circuit, tours), &lu, erreur)) return false;
  // A file copied over from another circuit would race a ghost through the walls.
  if (lu.circuit != circuit || lu.tours != tours || lu.temps == 0) {
    if (erreur) *erreur = chemin_fantome(circuit, tours) + ": the run of another circuit, lap count, or unfinished";
    return false;
  }
  *r = std::move(lu);
  return true;
}

bool sauve_fantome(const tReplay& r) {
  if (r.temps == 0) return false;
  tReplay garde;
  if (charge_fantome(r.circuit, r.tours, &garde, nullptr) && garde.temps <= r.temps) return false;
  // The player starts alone on the first place; the computer pilots, absent, keep the others.
  tReplay f = r;
  for (int i = 0; i < NB_JOUEURS; i++) f.grille[i] = static_cast<uint8_t>(i == 0 ? JOUEUR_HUMAIN : i - 1);
  assure_dossier_hiscores();
  const std::vector<uint8_t> octets = ecrit_replay(f);
  const std::string chemin = chemin_ecriture(relatif(r.circuit, r.tours, "rpl"));
  if (ecrit_fichier_atomique(chemin, octets.data(), octets.size())) return true;
  std::fprintf(stderr, "veltra: ghost not saved, %s could not be written\n", chemin.c_str());
  return false;
}

bool CChronoTours::note(int tours_faits, int temps_course) {
  if (tours_faits <= static_cast<int>(tours_.size())) return false;
  tTourChrono t;
  t.temps = temps_course - fin_dernier_;
  fin_dernier_ = temps_course;
  int meilleur = 0;
  for (int v : reference_) {
    if (v > 0 && (meilleur == 0 || v < meilleur)) meilleur = v;
  }
  for (const tTourChrono& avant : tours_) {
    if (meilleur == 0 || avant.temps < meilleur) meilleur = avant.temps;
  }
  t.avec_ecart = meilleur > 0;
  t.ecart = t.avec_ecart ? t.temps - meilleur : 0;
  tours_.push_back(t);
  return true;
}
