// veltra-bench-rendu: race frame times, circuit load times and peak memory of the real game code
// in a real window (run it under scripts/xvfb-session).
//
//   veltra-bench-rendu [--data DIR] [--size W H] [--circuit N] [--frames N] [--steps N] [--detail]
//                      [--load] [--stats] [--floor] [--capture FILE.png --capture-frame K [--capture-overlays]]
//
// Prints `key value` lines (milliseconds unless the key says otherwise) that `make bench` folds
// into its table.
#include <algorithm>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_rendu/jeu_bench.h"

namespace {

bool entier(const char* s, long lo, long hi, int* v) {
  char* fin = nullptr;
  const long x = std::strtol(s, &fin, 10);
  if (!s[0] || *fin || x < lo || x > hi) return false;
  *v = static_cast<int>(x);
  return true;
}

double quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  const size_t k = std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())));
  std::nth_element(v.begin(), v.begin() + static_cast<long>(k), v.end());
  return v[k];
}

template <typename F>
double mediane(const std::vector<MesureImage>& m, F champ) {
  std::vector<double> v;
  v.reserve(m.size());
  for (const MesureImage& x : m) v.push_back(champ(x));
  return quantile(v, 0.5);
}

void usage() {
  std::fprintf(stderr,
               "usage: veltra-bench-rendu [--data DIR] [--size W H] [--circuit N] [--frames N] [--steps N] [--detail]\n"
               "                          [--load] [--stats] [--floor] [--capture FILE.png --capture-frame K [--capture-overlays]]\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::string dossier = "build/game", capture;
  int largeur = 800, hauteur = 600, circuit = 1, images = 600, image_capture = 300, pas = 1;
  bool detail = false, chargements = false, statistiques = false, plancher = false, infos = false;
  for (int i = 1; i < argc; i++) {
    const char* a = argv[i];
    const bool suivant = i + 1 < argc;
    if (!std::strcmp(a, "--data") && suivant) {
      dossier = argv[++i];
    } else if (!std::strcmp(a, "--size") && i + 2 < argc && entier(argv[i + 1], 320, 4096, &largeur) &&
               entier(argv[i + 2], 200, 4096, &hauteur)) {
      i += 2;
    } else if (!std::strcmp(a, "--circuit") && suivant && entier(argv[i + 1], 1, 5, &circuit)) {
      i++;
    } else if (!std::strcmp(a, "--frames") && suivant && entier(argv[i + 1], 1, 100000, &images)) {
      i++;
    } else if (!std::strcmp(a, "--steps") && suivant && entier(argv[i + 1], 1, 1000, &pas)) {
      i++;
    } else if (!std::strcmp(a, "--capture-frame") && suivant && entier(argv[i + 1], 0, 100000, &image_capture)) {
      i++;
    } else if (!std::strcmp(a, "--capture") && suivant) {
      capture = argv[++i];
    } else if (!std::strcmp(a, "--detail")) {
      detail = true;
    } else if (!std::strcmp(a, "--capture-overlays")) {
      infos = true;
    } else if (!std::strcmp(a, "--floor")) {
      plancher = true;
    } else if (!std::strcmp(a, "--stats")) {
      statistiques = true;
    } else if (!std::strcmp(a, "--load")) {
      chargements = true;
    } else {
      usage();
      return 2;
    }
  }
  char absolu[PATH_MAX];
  if (!realpath(dossier.c_str(), absolu)) {
    std::fprintf(stderr, "veltra-bench-rendu: no data folder %s\n", dossier.c_str());
    return 2;
  }
  if (!capture.empty() && capture[0] != '/') {
    char ici[PATH_MAX];
    if (getcwd(ici, sizeof ici)) capture = std::string(ici) + "/" + capture;
  }

  std::string erreur;
  if (!demarre_jeu(absolu, largeur, hauteur, &erreur)) {
    std::fprintf(stderr, "veltra-bench-rendu: %s\n", erreur.c_str());
    termine_jeu();
    return 2;
  }
  if (chargements) {
    // Each circuit twice: the first load reads the files cold from the page cache's view.
    for (int c = 1; c <= 5; c++) {
      charge_circuit(c);
      libere_circuit();
      std::printf("load_ms_%d %.1f\n", c, charge_circuit(c));
      libere_circuit();
    }
  }
  charge_circuit(circuit);
  const std::vector<MesureImage> m = course_mesuree(images, pas, detail, capture, image_capture, plancher ? 4 : 0, infos);
  if (statistiques) imprime_statistiques();
  libere_circuit();
  std::printf("size %dx%d\ncircuit %d\nframes %zu\nsteps_per_frame %d\n", largeur, hauteur, circuit, m.size(), pas);
  std::vector<double> dessin;
  for (const MesureImage& x : m) dessin.push_back(x.dessin);
  std::printf("frame_median %.2f\nframe_p90 %.2f\n", quantile(dessin, 0.5), quantile(dessin, 0.9));
  std::printf("frame_cpu_median %.2f\n", mediane(m, [](const MesureImage& x) { return x.dessin_cpu; }));
  std::printf("present_median %.2f\n", mediane(m, [](const MesureImage& x) { return x.presente; }));
  std::printf("step_us_median %.1f\n", 1000 * mediane(m, [](const MesureImage& x) { return x.logique; }));
  if (plancher) {
    // Frame and floor of the same frames, each frame against its own floor.
    std::vector<double> p, rapports, tri, images_mesurees, p_cpu, rapports_cpu;
    for (const MesureImage& x : m) {
      if (x.plancher <= 0) continue;
      p.push_back(x.plancher);
      images_mesurees.push_back(x.dessin);
      rapports.push_back(x.dessin / x.plancher);
      tri.push_back(static_cast<double>(x.triangles));
      p_cpu.push_back(x.plancher_cpu);
      if (x.plancher_cpu > 0) rapports_cpu.push_back(x.dessin_cpu / x.plancher_cpu);
    }
    std::printf("floor_frames %zu\nfloor_median %.2f\nfloor_frame_median %.2f\nfloor_ratio_median %.2f\n"
                "floor_triangles_median %.0f\n",
                p.size(), quantile(p, 0.5), quantile(images_mesurees, 0.5), quantile(rapports, 0.5), quantile(tri, 0.5));
    std::printf("floor_cpu_median %.2f\nfloor_cpu_ratio_median %.2f\n", quantile(p_cpu, 0.5), quantile(rapports_cpu, 0.5));
  }
  if (detail) {
    std::printf("part_clear %.2f\n", mediane(m, [](const MesureImage& x) { return x.fond; }));
    std::printf("part_world %.2f\n", mediane(m, [](const MesureImage& x) { return x.monde; }));
    std::printf("part_decorations %.2f\n", mediane(m, [](const MesureImage& x) { return x.decos; }));
    std::printf("part_ships %.2f\n", mediane(m, [](const MesureImage& x) { return x.vaisseaux; }));
    std::printf("part_bonus_particles %.2f\n", mediane(m, [](const MesureImage& x) { return x.bonus_particules; }));
    std::printf("part_overlays %.2f\n", mediane(m, [](const MesureImage& x) { return x.infos; }));
  }
  std::printf("peak_mb %.1f\nfile_pages_mb %.1f\n", memoire_pointe_mo(), memoire_fichiers_mo());
  std::fflush(stdout);
  termine_jeu();
  return 0;
}
