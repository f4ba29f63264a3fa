// The computer pilots, bonuses and particles per race step, without the circuit searches (the
// octree has its own benchmark; veltra-sim measures whole races on the real circuits).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "math/degres.h"
#include "math/frustum.h"
#include "objects/bonus.h"
#include "objects/cpu.h"
#include "objects/particules.h"
#include "world/trajectoire.h"

namespace {

// A ring of 40 racing-line points, 60 apart.
void ligne_en_anneau() {
  Effacement_liste_point_t();
  for (int i = 0; i < 40; i++) {
    const float a = i * 9.0f;
    creation_point_t(400 * sinus(static_cast<int>(a)), 0, 400 * cosinus(static_cast<int>(a)), i);
  }
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    p->normale = Normalize(ptraj_suivant(p)->position - p->position);
  }
  calcule_trajectoire();
}

// One computer pilot's whole step (target, decisions, driving) on level ground, going round.
void BM_PiloteCPU_Pas(benchmark::State& state) {
  init_cosin();
  ligne_en_anneau();
  CJoueurCPU p;
  p.ResetPosition(0, 0, 400, 90);
  p.set_ptr_destination(prem_list_ptraj->suivant);
  p.SetMove();
  for (auto _ : state) {
    p.contact_sol = true;
    p.face_sol.normale = CVector3(0, 1, 0);
    p.Set_Roule();
    p.action();
    p.position.y = 0;
    benchmark::DoNotOptimize(p.position);
  }
  state.SetItemsProcessed(state.iterations());
  Effacement_liste_point_t();
}
BENCHMARK(BM_PiloteCPU_Pas);

// Six ships against a list of bonuses: the overlap tests of every step.
void BM_ContactsPilotesBonus(benchmark::State& state) {
  init_cosin();
  CJoueurCPU pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) {
    pilotes[i].ResetPosition(20.0f * i, 0, 0, 270);
    pilotes[i].SetBonus(1);  // holding one: pick-ups stay
    Joueurs[i] = &pilotes[i];
  }
  for (int i = 0; i < state.range(0); i++) creation_bonus(1, 37.0f * i, 0, 3);
  for (auto _ : state) contacts_pilotes_bonus();
  state.SetItemsProcessed(state.iterations());
  Effacement_liste_bonus();
  Effacement_liste_partic();
  for (CObjJoueur*& j : Joueurs) j = nullptr;
}
BENCHMARK(BM_ContactsPilotesBonus)->Arg(7)->Arg(20);

// A frame of particle life with n particles, none in view: a race's sparks and smoke.
void BM_ParticulesFrame(benchmark::State& state) {
  std::srand(1);
  const float unite[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  g_Frustum.CalculateFrustum(unite, unite);
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    Effacement_liste_partic();
    for (int i = 0; i < n; i++) creation_partic(i % 2 ? PARTIC_ETINCELLE_ROUGE : PARTIC_ETINCELLE, 1000, 0, 0);
    state.ResumeTiming();
    avance_particules(true);
  }
  state.SetItemsProcessed(state.iterations() * n);
  Effacement_liste_partic();
}
BENCHMARK(BM_ParticulesFrame)->Arg(100)->Arg(1000);

}  // namespace
