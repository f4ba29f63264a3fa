// The headless race: loading, grid, countdown, race steps and the per-pilot tallies.
#include "course_sim.h"

#include <allegro.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "common/controle.h"
#include "common/controle_replay.h"
#include "common/globals.h"
#include "math/degres.h"
#include "objects/bonus.h"
#include "objects/bonus_placement.h"
#include "objects/cpu.h"
#include "objects/cpu_bot.h"
#include "objects/humain.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/evenement.h"
#include "world/trajectoire.h"

namespace {

bool fichier_present(const std::string& chemin) { return access(chemin.c_str(), R_OK) == 0; }

bool nan(const CObjJoueur* p) {
  return std::isnan(p->position.x) || std::isnan(p->position.y) || std::isnan(p->position.z) ||
         std::isnan(p->vitesse) || std::isnan(p->angle);
}

const char* const noms[NB_JOUEURS] = {"Arko", "Belis", "Cyra", "Dorn", "Esk", "Joueur"};

}  // namespace

SessionSim::SessionSim() {
  // The configuration calls need the library, but no screen, keyboard or sound.
  static const bool pret = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
  (void)pret;
  init_cosin();
}

SessionSim::~SessionSim() { libere(); }

bool SessionSim::charge(const std::string& dossier, int circuit, std::string* erreur) {
  libere();
  if (chdir(dossier.c_str()) != 0) {
    *erreur = "no data folder " + dossier;
    return false;
  }
  char chemin[64];
  for (const char* modele : {"./objets/kan_%i.3ds", "./objets/kan_m1_%i.3ds", "./objets/traj_%i.dat"}) {
    std::snprintf(chemin, sizeof chemin, modele, circuit);
    if (!fichier_present(chemin)) {
      *erreur = std::string("missing ") + dossier + "/" + (chemin + 2);
      return false;
    }
  }
  // The game's physics settings, when the folder has its configuration file.
  if (fichier_present("config.cfg")) set_config_file("config.cfg");
  VITESSE_MAX_CPU = get_config_float("physics", "Vitesse_max_cpu", 2.5f);
  if (m_vitesse_cpu > 0) VITESSE_MAX_CPU = m_vitesse_cpu;
  LEVEL_ACTIF = circuit;
  // The game's set-up, to see that the circuit can be raced; each race sets it up again.
  const tChargeCourse chargee = charge_course(nullptr, 0);
  if (chargee.modele_absent) {
    *erreur = "a model of circuit " + std::to_string(circuit) + " cannot be loaded";
    return false;
  }
  m_charge = chargee.pret;
  m_circuit = circuit;
  if (!chargee.pret || nb_point_t < 3) {
    *erreur = "circuit without a racing line";
    libere();
    return false;
  }
  return true;
}

void SessionSim::libere() {
  if (!m_charge) return;
  libere_course();
  m_charge = false;
}

ResultatCourse SessionSim::course(int tours, unsigned graine, const std::function<void(int pas)>& apres_pas,
                                  std::vector<uint8_t>* enregistre) {
  return deroule(tours, graine, nullptr, noms[JOUEUR_HUMAIN], nullptr, apres_pas, enregistre);
}

bool SessionSim::rejoue(const std::string& dossier, const tReplay& replay, ResultatCourse* r, std::string* erreur) {
  fixe_vitesse_cpu(replay.vitesse_cpu);
  if (!charge(dossier, replay.circuit, erreur)) return false;
  CcontrolReplay rejeu(replay.etats);
  *r = deroule(replay.tours, replay.graine, &rejeu, replay.nom.empty() ? noms[JOUEUR_HUMAIN] : replay.nom, replay.grille,
               {}, nullptr);
  r->rejeu = true;
  return true;
}

ResultatCourse SessionSim::deroule(int tours, unsigned graine, Ccontrol* pilote, const std::string& nom,
                                   const uint8_t* grille, const std::function<void(int pas)>& apres_pas,
                                   std::vector<uint8_t>* enregistre) {
  ResultatCourse r;
  r.circuit = m_circuit;
  r.graine = graine;
  r.tours = tours;

  std::unique_ptr<CObjJoueur> pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_PILOTES_CPU; i++) pilotes[i] = std::make_unique<CJoueurCPU>();
  pilotes[JOUEUR_HUMAIN] = std::make_unique<CJoueurHumain>();
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i] = pilotes[i].get();
  CcontrolBot bot(Joueurs[JOUEUR_HUMAIN]);
  Ccontrol* ancien_controle = controle;
  controle = pilote ? pilote : &bot;

  // The game's race set-up, without the loading messages, on a freshly loaded circuit.
  NOMBRE_TOURS = tours;
  libere();
  m_charge = charge_course(nullptr, graine).pret;
  if (!m_charge) {
    // Its files went away since charge: no race to run.
    controle = ancien_controle;
    for (CObjJoueur*& j : Joueurs) j = nullptr;
    return r;
  }
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i]->SetNom(i == JOUEUR_HUMAIN ? nom.c_str() : noms[i]);
  CObjJoueur* ordre[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) ordre[i] = Joueurs[grille ? grille[i] : i];
  place_grille(ordre);
  prepare_pilotes();
  // The countdown's waiting steps, as many as the game's; the player's controls count from the
  // first of them (the ship may be turned on the grid).
  for (int i = 0; i < PAS_DECOMPTE; i++) {
    etape_pilotes();
    if (enregistre) enregistre->push_back(octet_controle(*controle));
  }
  demarre_course();
  game_CHRONO = 0;
  CHRONO_MINUTES = CHRONO_SECONDES = CHRONO_MILISECONDES = 0;

  r.pilotes.resize(NB_JOUEURS);
  std::vector<double> somme_vitesse(NB_JOUEURS, 0);
  std::vector<int> pas_en_course(NB_JOUEURS, 0), debut_tour(NB_JOUEURS, 0);
  std::vector<EtatPilote> etat_avant(NB_JOUEURS);
  std::vector<float> y_avant(NB_JOUEURS);
  for (int i = 0; i < NB_JOUEURS; i++) {
    etat_avant[i] = Joueurs[i]->GetEtat();
    y_avant[i] = Joueurs[i]->position.y;
    r.pilotes[i].nom = i == JOUEUR_HUMAIN ? nom : noms[i];
    r.pilotes[i].humain = i == JOUEUR_HUMAIN;
  }
  std::vector<double> durees;
  durees.reserve(8192);
  EtatCourse etat;
  const auto debut = std::chrono::steady_clock::now();
  const std::clock_t debut_cpu = std::clock();
  int pas = 0;
  for (; pas < PAS_MAX_COURSE; pas++) {
    bool tous = true;
    for (CObjJoueur* p : Joueurs) tous = tous && p->GetFinish();
    if (tous) break;
    game_CHRONO += 2;
    chrono_course();
    const auto t0 = std::chrono::steady_clock::now();
    etape_course(etat);
    // Particles age per drawn frame (they are only drawn): one frame per step, nothing drawn.
    avance_particules(false);
    if (enregistre) enregistre->push_back(octet_controle(*controle));
    durees.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    if (apres_pas) apres_pas(pas);

    for (int i = 0; i < NB_JOUEURS; i++) {
      CObjJoueur* p = Joueurs[i];
      ResultatPilote& rp = r.pilotes[i];
      if (nan(p)) r.nan = true;
      const EtatPilote e = p->GetEtat();
      if (e == EtatPilote::CollisionRoule && etat_avant[i] != EtatPilote::CollisionRoule) rp.chocs_mur++;
      if (e == EtatPilote::Explode && etat_avant[i] != EtatPilote::Explode) rp.explosions++;
      // Below the world box the ship drops back in from its top.
      if (p->position.y - y_avant[i] > 20) rp.chutes++;
      etat_avant[i] = e;
      y_avant[i] = p->position.y;
      if (p->GetTour() > rp.tours) {
        const int t = (pas + 1) * 2 - debut_tour[i];
        if (rp.meilleur_tour == 0 || t < rp.meilleur_tour) rp.meilleur_tour = t;
        debut_tour[i] = (pas + 1) * 2;
        rp.tours = p->GetTour();
      }
      if (!p->GetFinish()) {
        somme_vitesse[i] += p->vitesse;
        pas_en_course[i]++;
        rp.vitesse_pointe = std::max(rp.vitesse_pointe, p->vitesse);
      }
    }
  }
  r.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  r.secondes_cpu = static_cast<double>(std::clock() - debut_cpu) / CLOCKS_PER_SEC;
  r.pas = pas;
  if (!durees.empty()) {
    std::nth_element(durees.begin(), durees.begin() + durees.size() / 2, durees.end());
    r.us_par_pas_median = durees[durees.size() / 2];
  }
  r.tous_finis = true;
  for (int i = 0; i < NB_JOUEURS; i++) {
    CObjJoueur* p = Joueurs[i];
    ResultatPilote& rp = r.pilotes[i];
    rp.fini = p->GetFinish();
    r.tous_finis = r.tous_finis && rp.fini;
    rp.place = p->GetClassement();
    for (int k = 0; k < NB_JOUEURS; k++) {
      if (tab_arrive[k] != p) continue;
      rp.temps = tab_temps[k].total;
      rp.place = k + 1;
    }
    rp.vitesse_moyenne = pas_en_course[i] ? static_cast<float>(somme_vitesse[i] / pas_en_course[i]) : 0;
    rp.bonus_pris = p->stats.bonus_pris;
    rp.bonus_tires = p->stats.bonus_tires;
    rp.sauvetages = p->stats.sauvetages;
  }

  Effacement_liste_bonus();
  Effacement_liste_partic();
  controle = ancien_controle;
  for (CObjJoueur*& j : Joueurs) j = nullptr;
  return r;
}
