// veltra-sim: headless races on the generated circuits, with a per-pilot profile and speed
// figures.
//
//   veltra-sim [CIRCUIT | --all] [--laps N] [--seed S] [--races N] [--data DIR]
//              [--difficulty LEVEL | --cpu-speed V]
//   veltra-sim --replay FILE [--data DIR]
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <strings.h>

#include "common/difficulte.h"
#include "common/replay.h"
#include "course_sim.h"
#include "rapport.h"

namespace {

void usage() {
  std::fprintf(stderr,
               "usage: veltra-sim [CIRCUIT | --all] [--laps N] [--seed S] [--races N] [--data DIR]\n"
               "                  [--difficulty LEVEL | --cpu-speed V]\n"
               "       veltra-sim --replay FILE [--data DIR]\n"
               "  CIRCUIT 1..5 (default 1); --all runs every circuit; seeds S, S+1, ... for the races;\n"
               "  DIR holds objets/ (default build/game); LEVEL easy, normal, hard or expert, or the\n"
               "  computer pilots' top speed V (0.5..10); both default to DIR's config.cfg\n"
               "  --replay runs the race of a replay file again, its player's controls played back\n");
}

// A level by its English name or its number 0..3.
bool difficulte(const char* s, int* n) {
  for (int i = 0; i < NB_DIFFICULTES; i++) {
    if (!strcasecmp(s, DIFFICULTES[i].nom_en) || (s[0] == '0' + i && !s[1])) {
      *n = i;
      return true;
    }
  }
  return false;
}

bool reel(const char* s, double lo, double hi, double* v) {
  char* fin = nullptr;
  const double x = std::strtod(s, &fin);
  if (!s[0] || *fin || !(x >= lo && x <= hi)) return false;
  *v = x;
  return true;
}

bool entier(const char* s, long lo, long hi, long* v) {
  char* fin = nullptr;
  const long x = std::strtol(s, &fin, 10);
  if (!s[0] || *fin || x < lo || x > hi) return false;
  *v = x;
  return true;
}

// The race of a replay file, printed as any other; 1 when the file cannot be played.
int rejoue(const char* dossier, const char* fichier) {
  tReplay r;
  std::string erreur;
  if (!charge_replay(fichier, &r, &erreur)) {
    std::fprintf(stderr, "veltra-sim: %s\n", erreur.c_str());
    return 2;
  }
  SessionSim session;
  ResultatCourse resultat;
  if (!session.rejoue(dossier, r, &resultat, &erreur)) {
    std::fprintf(stderr, "veltra-sim: circuit %i: %s\n", r.circuit, erreur.c_str());
    return 2;
  }
  imprime_course(stdout, resultat);
  return resultat.nan ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> circuits;
  long tours = 3, graine = 1, courses = 1;
  std::string dossier = "build/game";
  double vitesse_cpu = 0;
  const char* replay = nullptr;
  for (int i = 1; i < argc; i++) {
    const char* a = argv[i];
    long v = 0;
    int n = 0;
    double x = 0;
    const bool suivant = i + 1 < argc;
    if (!std::strcmp(a, "--all")) {
      circuits = {1, 2, 3, 4, 5};
    } else if (!std::strcmp(a, "--laps") && suivant && entier(argv[i + 1], 1, 99, &v)) {
      tours = v, i++;
    } else if (!std::strcmp(a, "--seed") && suivant && entier(argv[i + 1], 0, UINT_MAX, &v)) {
      graine = v, i++;
    } else if (!std::strcmp(a, "--races") && suivant && entier(argv[i + 1], 1, 10000, &v)) {
      courses = v, i++;
    } else if (!std::strcmp(a, "--difficulty") && suivant && difficulte(argv[i + 1], &n)) {
      vitesse_cpu = DIFFICULTES[n].vitesse_max, i++;
    } else if (!std::strcmp(a, "--cpu-speed") && suivant && reel(argv[i + 1], 0.5, 10, &x)) {
      vitesse_cpu = x, i++;
    } else if (!std::strcmp(a, "--replay") && suivant) {
      replay = argv[++i];
    } else if (!std::strcmp(a, "--data") && suivant) {
      dossier = argv[++i];
    } else if (entier(a, 1, 5, &v)) {
      circuits = {static_cast<int>(v)};
    } else {
      usage();
      return 2;
    }
  }
  if (circuits.empty()) circuits = {1};
  char absolu[PATH_MAX];
  if (!realpath(dossier.c_str(), absolu)) {
    std::fprintf(stderr, "veltra-sim: no data folder %s\n", dossier.c_str());
    return 2;
  }

  if (replay) return rejoue(absolu, replay);

  std::vector<ResultatCourse> tout;
  SessionSim session;
  session.fixe_vitesse_cpu(static_cast<float>(vitesse_cpu));
  for (int c : circuits) {
    std::string erreur;
    if (!session.charge(absolu, c, &erreur)) {
      std::fprintf(stderr, "veltra-sim: circuit %i: %s\n", c, erreur.c_str());
      return 2;
    }
    for (long k = 0; k < courses; k++) {
      const ResultatCourse r = session.course(static_cast<int>(tours), static_cast<unsigned>(graine + k));
      imprime_course(stdout, r);
      tout.push_back(r);
    }
    session.libere();
  }
  imprime_bilan(stdout, tout);
  return verifie_barre(tout, nullptr) ? 0 : 1;
}
