// Recording the player's races and keeping their replay files.
#include "race/replays.h"

#include <cstdio>
#include <memory>

#include "common/chemins.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "objects/joueur.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/course.h"
#include "common/controle_replay.h"

namespace {

std::unique_ptr<tReplay> g_Dernier;

bool ecrit(const std::string& relatif, const std::vector<uint8_t>& octets) {
  const std::string chemin = chemin_ecriture(relatif);
  if (ecrit_fichier_atomique(chemin, octets.data(), octets.size())) return true;
  std::fprintf(stderr, "veltra: replay not saved, %s could not be written\n", chemin.c_str());
  return false;
}

std::string relatif_meilleur(int circuit, int tours) {
  char c[64];
  std::snprintf(c, sizeof c, "./replays/best_%i_%i.rpl", circuit, tours);
  return c;
}

}  // namespace

std::string chemin_replay_dernier() { return chemin_utilisateur("./replays/last.rpl"); }

std::string chemin_replay_meilleur(int circuit, int tours) { return chemin_utilisateur(relatif_meilleur(circuit, tours)); }

CEnregistreur::CEnregistreur() {
  replay_.circuit = LEVEL_ACTIF;
  replay_.tours = NOMBRE_TOURS;
  replay_.vitesse_cpu = VITESSE_MAX_CPU;
  replay_.graine = GRAINE_COURSE;
  replay_.nom = NOM_JOUEUR;
  for (int place = 0; place < NB_JOUEURS; place++) {
    for (int i = 0; i < NB_JOUEURS; i++) {
      if (Joueurs[i] && tab_classement_joueurs[place] == Joueurs[i]) replay_.grille[place] = static_cast<uint8_t>(i);
    }
  }
  replay_.etats.reserve(8192);
}

void CEnregistreur::note(const Ccontrol& c) {
  if (replay_.etats.size() < PAS_MAX_REPLAY) replay_.etats.push_back(octet_controle(c));
}

bool CEnregistreur::termine() {
  const CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h || !h->GetFinish()) return true;
  for (int k = 0; k < NB_JOUEURS; k++) {
    if (tab_arrive[k] == h) replay_.temps = static_cast<uint32_t>(tab_temps[k].total);
  }
  g_Dernier = std::make_unique<tReplay>(replay_);
  // A time trial's run is not a race with its pilots: the time trial keeps it as its ghost.
  if (CONTRE_LA_MONTRE) return true;
  return sauve_replays(replay_);
}

const tReplay* dernier_replay() { return g_Dernier.get(); }

bool sauve_replays(const tReplay& r) {
  const std::vector<uint8_t> octets = ecrit_replay(r);
  bool ok = ecrit("./replays/last.rpl", octets);
  tReplay meilleur;
  std::string erreur;
  const std::string chemin = chemin_replay_meilleur(r.circuit, r.tours);
  const bool lu = charge_replay(chemin, &meilleur, &erreur);
  if (r.temps > 0 && (!lu || meilleur.temps == 0 || r.temps < meilleur.temps)) {
    ok = ecrit(relatif_meilleur(r.circuit, r.tours), octets) && ok;
  }
  return ok;
}
