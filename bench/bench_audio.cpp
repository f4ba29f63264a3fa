// Sound update cost per race step: 100 playing 3D channels, 200 occlusion walls, moving listener.
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "audio/son_api.h"

namespace {

std::string ecrit_ton() {
  char modele[] = "/tmp/veltra_bench_son_XXXXXX";
  const char* rep = mkdtemp(modele);
  std::string f = std::string(rep ? rep : "/tmp") + "/ton.wav";
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  std::vector<float> v(22050);
  for (size_t i = 0; i < v.size(); ++i) v[i] = 0.3f * std::sin(6.2831853f * 220.0f * i / 22050.0f);
  if (SNDFILE* s = sf_open(f.c_str(), SFM_WRITE, &info)) {
    sf_writef_float(s, v.data(), static_cast<sf_count_t>(v.size()));
    sf_close(s);
  }
  return f;
}

}  // namespace

static void BM_SonUpdate100Canaux200Murs(benchmark::State& state) {
  HSysteme sys;
  son_systeme_cree(&sys);
  son_systeme_set_sortie(sys, SON_SORTIE_NULLE);  // measure the layer, not a sound card
  if (son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF) != SON_OK) {
    state.SkipWithError("no sound system");
    return;
  }
  son_systeme_set_reverb_ambiante(sys, &SON_REVERB_CARPETEDHALLWAY);
  const std::string wav = ecrit_ton();
  HSon son;
  son_cree_son(sys, wav.c_str(), SON_MODE_3D | SON_MODE_BOUCLE, &son);
  son_son_set_distances_3d(son, 30, 100);
  std::mt19937 alea(42);
  std::uniform_real_distribution<float> u(-400.0f, 400.0f);
  // Walls like a circuit's: 5 wide, 100 high, scattered over the track's area.
  son_systeme_set_taille_monde(sys, 1200.0f);
  HGeometrie geo;
  son_geometrie_cree(sys, 200, 800, &geo);
  for (int i = 0; i < 200; ++i) {
    const float x = u(alea), z = u(alea);
    const float a = u(alea) * 0.01f;
    const float dx = 5 * std::cos(a), dz = 5 * std::sin(a);
    const SonVecteur q[4] = {{x, 0, z}, {x + dx, 0, z + dz}, {x + dx, 100, z + dz}, {x, 100, z}};
    son_geometrie_ajoute_polygone(geo, 0.9f, 0.9f, true, 4, q, nullptr);
  }
  for (int i = 0; i < 3; ++i) {
    HReverb r;
    son_reverb_cree(sys, &r);
    const SonVecteur p{u(alea), 0, u(alea)};
    son_reverb_set_3d(r, &p, 40, 80);
    son_reverb_set_preset(r, "STONECORRIDOR");
  }
  for (int i = 0; i < 100; ++i) {
    HCanal c;
    son_joue(sys, son, false, &c);
    const SonVecteur p{u(alea), 2, u(alea)}, v{0, 0, 0};
    son_canal_set_3d(c, &p, &v);
  }
  float t = 0;
  const SonVecteur zero{0, 0, 0}, haut{0, 1, 0};
  for (auto _ : state) {
    // The listener drives round the area, so occlusion and reverb mix change from step to step.
    t += 0.01f;
    const SonVecteur pos{300 * std::cos(t), 3, 300 * std::sin(t)}, avant{-std::sin(t), 0, std::cos(t)};
    son_systeme_set_auditeur(sys, 0, &pos, &zero, &avant, &haut);
    benchmark::DoNotOptimize(son_systeme_update(sys));
  }
  int nb = 0;
  son_systeme_canaux_joues(sys, &nb);
  state.counters["canaux"] = nb;
  son_systeme_libere(sys);
  unlink(wav.c_str());
}
BENCHMARK(BM_SonUpdate100Canaux200Murs)->Unit(benchmark::kMicrosecond);
