// Whole races with no window and no sound device: the five computer pilots and the human pilot
// driven by the self-driving controller, on a circuit loaded from a game data folder.
//
//   SessionSim s;
//   if (!s.charge("build/game", 2, &erreur)) ...
//   ResultatCourse r = s.course(3, 42);    // 3 laps, the race of seed 42
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/replay.h"

class Ccontrol;

struct ResultatPilote {
  std::string nom;
  bool humain = false;
  bool fini = false;
  int place = 0;
  int temps = 0;          // race time in sixtieths of a second (finished pilots)
  int meilleur_tour = 0;  // sixtieths; 0 when no lap was completed
  int tours = 0;
  float vitesse_moyenne = 0;
  float vitesse_pointe = 0;
  int chocs_mur = 0;
  int explosions = 0;
  int bonus_pris = 0;
  int bonus_tires = 0;
  int sauvetages = 0;
  int chutes = 0;  // dropped back in from the top of the world box
};

struct ResultatCourse {
  int circuit = 0;
  unsigned graine = 0;
  int tours = 0;
  int pas = 0;
  double secondes = 0;          // wall-clock time of the race steps
  double secondes_cpu = 0;      // processor time of this process over the same steps
  double us_par_pas_median = 0;
  bool nan = false;             // a position or speed went NaN
  bool tous_finis = false;
  bool rejeu = false;           // the human pilot played a replay file back
  std::vector<ResultatPilote> pilotes;  // index = pilot number (5 is the human)
};

class SessionSim {
 public:
  SessionSim();
  ~SessionSim();
  // Loads circuit `circuit` (1..5) from `dossier` (which holds objets/). False with a reason
  // when a file is missing or the circuit has no racing line.
  bool charge(const std::string& dossier, int circuit, std::string* erreur);
  // The computer pilots' top speed for the next loads, instead of the folder's config.cfg (and
  // with it their difficulty level, the one nearest to it).
  void fixe_vitesse_cpu(float v) { m_vitesse_cpu = v; }
  // One race from the grid; stops once every pilot has finished or after a time limit.
  // `apres_pas`, when given, runs after each race step (what a game would do between steps).
  // `enregistre`, when given, receives the human pilot's control byte at each race step: the
  // replay of this race.
  ResultatCourse course(int tours, unsigned graine, const std::function<void(int pas)>& apres_pas = {},
                        std::vector<uint8_t>* enregistre = nullptr);
  // The race of a replay file, its player's controls played back: loads its circuit from
  // `dossier` with its computer pilots' top speed. False with a reason when it cannot be loaded.
  bool rejoue(const std::string& dossier, const tReplay& replay, ResultatCourse* r, std::string* erreur);
  void libere();

 private:
  // `grille`: the pilots' numbers in grid order (null: 0 to 5).
  ResultatCourse deroule(int tours, unsigned graine, Ccontrol* pilote, const std::string& nom, const uint8_t* grille,
                         const std::function<void(int pas)>& apres_pas, std::vector<uint8_t>* enregistre);

  bool m_charge = false;
  int m_circuit = 0;
  float m_vitesse_cpu = 0;  // 0: the configuration's
};

// Number of steps after which a race is given up (20 minutes of race time).
constexpr int PAS_MAX_COURSE = 30 * 60 * 20;
