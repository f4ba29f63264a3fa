// The simulator's tables and the driving bar.
#include "rapport.h"

#include <algorithm>
#include <map>

#include "objects/joueur.h"

namespace {

std::string chrono(int soixantiemes) {
  if (soixantiemes <= 0) return "--:--:--";
  char t[16];
  std::snprintf(t, sizeof t, "%02i:%02i:%02i", soixantiemes / 3600, soixantiemes / 60 % 60, soixantiemes % 60);
  return t;
}

}  // namespace

double ecart_temps_cpu(const ResultatCourse& r) {
  int lo = 0, hi = 0;
  for (int i = 0; i < NB_PILOTES_CPU && i < static_cast<int>(r.pilotes.size()); i++) {
    const ResultatPilote& p = r.pilotes[i];
    if (!p.fini || p.temps <= 0) return -1;
    lo = lo == 0 ? p.temps : std::min(lo, p.temps);
    hi = std::max(hi, p.temps);
  }
  return lo > 0 ? static_cast<double>(hi) / lo - 1 : -1;
}

void imprime_course(std::FILE* f, const ResultatCourse& r) {
  std::fprintf(f, "circuit %i  seed %u  laps %i\n", r.circuit, r.graine, r.tours);
  std::fprintf(f, "  %-3s %-8s %-9s %-9s %6s %6s %5s %5s %6s %6s %6s %6s\n", "pl", "pilot", "time", "best lap",
               "avg v", "top v", "walls", "expl", "taken", "fired", "resets", "falls");
  std::vector<const ResultatPilote*> ordre;
  for (const ResultatPilote& p : r.pilotes) ordre.push_back(&p);
  std::stable_sort(ordre.begin(), ordre.end(), [](const ResultatPilote* a, const ResultatPilote* b) {
    return a->place < b->place;
  });
  for (const ResultatPilote* p : ordre) {
    std::fprintf(f, "  %-3i %-8s %-9s %-9s %6.2f %6.2f %5i %5i %6i %6i %6i %6i%s\n", p->place, p->nom.c_str(),
                 p->fini ? chrono(p->temps).c_str() : "DNF", chrono(p->meilleur_tour).c_str(), p->vitesse_moyenne,
                 p->vitesse_pointe, p->chocs_mur, p->explosions, p->bonus_pris, p->bonus_tires, p->sauvetages,
                 p->chutes, p->humain ? (r.rejeu ? "  (replay)" : "  (bot)") : "");
  }
  const double ps = r.secondes > 0 ? r.pas / r.secondes : 0;
  const double ps_cpu = r.secondes_cpu > 0 ? r.pas / r.secondes_cpu : 0;
  std::fprintf(f, "  steps %i  wall %.3f s  %.0f steps/s  %.1f us/step (median %.1f)  cpu %.3f s  %.0f steps/s%s\n\n",
               r.pas, r.secondes, ps, r.pas ? r.secondes * 1e6 / r.pas : 0.0, r.us_par_pas_median, r.secondes_cpu,
               ps_cpu, r.nan ? "  NaN!" : "");
}

void imprime_bilan(std::FILE* f, const std::vector<ResultatCourse>& courses) {
  std::map<int, std::vector<const ResultatCourse*>> par_circuit;
  long pas = 0;
  double secondes = 0, secondes_cpu = 0;
  std::vector<double> medianes;
  for (const ResultatCourse& r : courses) {
    par_circuit[r.circuit].push_back(&r);
    pas += r.pas;
    secondes += r.secondes;
    secondes_cpu += r.secondes_cpu;
    medianes.push_back(r.us_par_pas_median);
  }
  std::fprintf(f, "%-8s %5s %-9s %-9s %-9s %8s %-9s %7s\n", "circuit", "races", "cpu best", "cpu mean", "cpu worst",
               "spread", "bot", "resets");
  for (const auto& [c, rs] : par_circuit) {
    int meilleur = 0, pire = 0, n = 0, sauvetages = 0;
    long somme = 0, somme_bot = 0;
    int nb_bot = 0;
    double ecart = 0;
    for (const ResultatCourse* r : rs) {
      for (int i = 0; i < NB_PILOTES_CPU; i++) {
        const ResultatPilote& p = r->pilotes[i];
        sauvetages += p.sauvetages;
        if (!p.fini) continue;
        meilleur = meilleur == 0 ? p.temps : std::min(meilleur, p.temps);
        pire = std::max(pire, p.temps);
        somme += p.temps;
        n++;
      }
      if (r->pilotes[JOUEUR_HUMAIN].fini) somme_bot += r->pilotes[JOUEUR_HUMAIN].temps, nb_bot++;
      ecart = std::max(ecart, ecart_temps_cpu(*r));
    }
    std::fprintf(f, "%-8i %5zu %-9s %-9s %-9s %7.1f%% %-9s %7.2f\n", c, rs.size(), chrono(meilleur).c_str(),
                 chrono(n ? static_cast<int>(somme / n) : 0).c_str(), chrono(pire).c_str(), ecart * 100,
                 chrono(nb_bot ? static_cast<int>(somme_bot / nb_bot) : 0).c_str(),
                 static_cast<double>(sauvetages) / (1.0 * NB_PILOTES_CPU * rs.size()));
  }
  std::sort(medianes.begin(), medianes.end());
  std::fprintf(f,
               "total: %zu races, %ld steps, wall %.3f s, %.0f steps/s, %.1f us/step, median of race medians %.1f us;"
               " cpu %.3f s, %.0f steps/s, %.1f us/step\n",
               courses.size(), pas, secondes, secondes > 0 ? pas / secondes : 0.0, pas ? secondes * 1e6 / pas : 0.0,
               medianes.empty() ? 0.0 : medianes[medianes.size() / 2], secondes_cpu,
               secondes_cpu > 0 ? pas / secondes_cpu : 0.0, pas ? secondes_cpu * 1e6 / pas : 0.0);
}

bool verifie_barre(const std::vector<ResultatCourse>& courses, std::string* pourquoi, bool ecart_cpu) {
  bool ok = true;
  auto echec = [&](const ResultatCourse& r, const std::string& quoi) {
    ok = false;
    if (pourquoi) {
      *pourquoi += "circuit " + std::to_string(r.circuit) + " seed " + std::to_string(r.graine) + ": " + quoi + "\n";
    }
  };
  std::map<int, std::pair<int, int>> sauvetages;  // circuit -> resets, pilot races
  for (const ResultatCourse& r : courses) {
    if (r.nan) echec(r, "NaN");
    for (const ResultatPilote& p : r.pilotes) {
      if (!p.fini) echec(r, p.nom + " did not finish");
      if (p.chutes > 0) echec(r, p.nom + " fell out of the world");
      if (!p.humain) {
        sauvetages[r.circuit].first += p.sauvetages;
        sauvetages[r.circuit].second++;
      }
    }
    const double e = ecart_temps_cpu(r);
    if (ecart_cpu && e > 0.15) echec(r, "computer pilots " + std::to_string(static_cast<int>(e * 100)) + "% apart");
  }
  for (const auto& [c, s] : sauvetages) {
    if (s.second > 0 && s.first > s.second) {
      ok = false;
      if (pourquoi) *pourquoi += "circuit " + std::to_string(c) + ": " + std::to_string(s.first) + " resets\n";
    }
  }
  return ok;
}
