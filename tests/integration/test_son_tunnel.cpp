// A circuit's tunnel as heard in a race, its walls and reverb zone built from the circuit's file by
// the race preparation's calls: from the chase camera in the tunnel, an engine behind the rock wall
// sounds quieter and duller than in plain view; an explosion rings longer than on the open track.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "capture_jeu.h"
#include "support/son_essai.h"
#include "common/globals.h"
#include "objects/cpu.h"
#include "objects/particules.h"
#include "race/course.h"
#include "sim/course_sim.h"
#include "world/camera.h"
#include "world/monde.h"
#include "world/trajectoire.h"

namespace {

using namespace son_essai;

// A circuit with a tunnel and the reverb preset of its tunnel zone.
struct CircuitTunnel {
  int circuit, preset;
};
constexpr int TRAMES_PAR_PAS = SON_FREQUENCE_RENDU / 30;
constexpr float DISTANCE_MOTEUR = 50.0f;

struct Panneau {
  CVector3 c[4];  // world corners
};
struct Environnement {
  std::vector<Panneau> murs;
  std::vector<SEffetSon> zones;
};

CVector3 horizontal(CVector3 v) { return CVector3(v.x, 0, v.z); }
float distance_h(CVector3 a, CVector3 b) { return Magnitude(horizontal(b - a)); }

// Walls the segment a -> b crosses: its ends either side of the plane, the crossing inside the quad.
int murs_traverses(const Environnement& env, CVector3 a, CVector3 b) {
  int n = 0;
  for (Panneau m : env.murs) {
    const CVector3 normale = Cross(m.c[1] - m.c[0], m.c[2] - m.c[0]);
    const float da = Dot(normale, a - m.c[0]), db_ = Dot(normale, b - m.c[0]);
    n += da * db_ < 0 && InsidePolygon(a + (b - a) * (da / (da - db_)), m.c, 4);
  }
  return n;
}

// As the race preparation does it: the file into the list, the list into the sound system, the
// list forgotten. The test keeps a copy of what the file held to find its way round.
Environnement prepare_environnement() {
  charge_effetSons();
  Environnement env;
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant) {
    if (e->type == EFSON_OCCLUSION) {
      Panneau p;
      for (int i = 0; i < 4; i++) p.c[i] = e->position + e->sommets[i];
      env.murs.push_back(p);
    } else if (e->type == EFSON_REVERB) {
      env.zones.push_back(*e);
    }
  }
  CreationOcclusion(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
  Effacement_liste_effetSon();
  return env;
}

void libere_environnement() {
  destroy_reverberations();
  libere_occlusion();
}

// The heading (0 along +z, 90 along +x) of a horizontal direction.
float cap_de(CVector3 d) {
  float a = static_cast<float>(std::atan2(d.x, d.z) * 180.0 / M_PI);
  return a < 0 ? a + 360 : a;
}

// Where the chase camera stands in the tunnel, which way the tunnel runs, and which way is the
// nearest rock wall.
struct PlaceTunnel {
  CVector3 ship;  // a ship on the road in the middle of the tunnel
  float cap = 0;
  CVector3 axe, vers_mur;
  SEffetSon zone;
};

bool trouve_tunnel(const Environnement& env, int preset, PlaceTunnel* t) {
  const SEffetSon* z = nullptr;
  for (const SEffetSon& k : env.zones)
    if (k.preset == preset) z = &k;
  if (!z) return false;
  const Panneau* proche = nullptr;
  for (const Panneau& m : env.murs) {
    const CVector3 pied = (m.c[0] + m.c[1]) * 0.5f;
    const CVector3 pied_proche = proche ? (proche->c[0] + proche->c[1]) * 0.5f : pied;
    if (!proche || distance_h(pied, z->position) < distance_h(pied_proche, z->position)) proche = &m;
  }
  if (!proche) return false;
  t->zone = *z;
  t->axe = Normalize(horizontal(proche->c[1] - proche->c[0]));
  t->cap = cap_de(t->axe);
  // The camera rides 15 behind the ship: the ship a little ahead puts it near the zone's centre.
  const CVector3 route = z->position - CVector3(0, 8, 0);
  t->ship = route + t->axe * 15.0f;
  const CVector3 mur = horizontal((proche->c[0] + proche->c[1]) * 0.5f - route);
  t->vers_mur = Normalize(mur - t->axe * Dot(mur, t->axe));
  return true;
}

// Levels in dB of both channels together (a source to one side loses nothing by its panning).
struct Mesure {
  double niveau_db = 0;
  double graves_db = 0;  // 40-400 Hz: the engine's body
  double aigus_db = 0;   // 4-16 kHz: its hiss
};

class SonTunnel : public ::testing::TestWithParam<CircuitTunnel> {
 protected:
  void SetUp() override {
    ASSERT_FALSE(capture_jeu::dossier_jeu().empty());
    ASSERT_NE(getcwd(ici_, sizeof ici_), nullptr);
    std::string erreur;
    ASSERT_TRUE(sim_.charge(capture_jeu::dossier_jeu(), GetParam().circuit, &erreur)) << erreur;
    {
      capture_jeu::SonRendu son;
      ASSERT_TRUE(son.ok());
      env_ = prepare_environnement();
      libere_environnement();
    }
    ASSERT_TRUE(trouve_tunnel(env_, GetParam().preset, &t_)) << "the file has a tunnel zone and walls";
    g_Camera.InitSurJoueur(t_.ship, t_.cap);
  }
  void TearDown() override {
    for (CObjJoueur*& j : Joueurs) j = nullptr;
    Effacement_liste_partic();
    sim_.libere();
    ASSERT_EQ(chdir(ici_), 0);
  }

  // A computer pilot held at full revs at `ou`, heard from the camera behind a ship at `ship`.
  Mesure ecoute_moteur(CVector3 ship, float cap, CVector3 ou) {
    capture_jeu::SonRendu son;
    EXPECT_TRUE(son.ok());
    prepare_environnement();
    CJoueurCPU cpu;
    Joueurs[0] = &cpu;
    cpu.set_ptr_destination(prem_list_ptraj);
    cpu.set_vitesse_max(VITESSE_MAX_CPU);
    cpu.SetMondeLimits(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
    EXPECT_EQ(cpu.SetSonMoteur(SON_MOTEUR), 0);
    cpu.ResetPosition(ou.x, ou.y, ou.z, cap);
    cpu.StopMove();
    cpu.Set_Attend();
    cpu.vitesse = cpu.vitesse_max;
    g_Camera.InitSurJoueur(ship, cap);
    for (int i = 0; i < 45; i++) {
      cpu.action();
      place_auditeur();
      son.rend_trames(TRAMES_PAR_PAS);
    }
    EXPECT_LT(Magnitude(cpu.GetVectorPosition() - ou), 0.01f) << "the ship stayed where it was put";
    libere_environnement();
    Joueurs[0] = nullptr;
    // The last second, once the reverb has filled.
    const size_t n = static_cast<size_t>(son.frequence), debut = son.trames() - n;
    const int f = son.frequence;
    auto bande = [&](double f1, double f2) {
      const double e = energie_bande(son.g, debut, n, f, f1, f2) + energie_bande(son.d, debut, n, f, f1, f2);
      return 10 * std::log10(std::max(e, 1e-30));
    };
    const double p = std::pow(rms(son.g, debut, n), 2) + std::pow(rms(son.d, debut, n), 2);
    return Mesure{10 * std::log10(std::max(p, 1e-24)), bande(40, 400), bande(4000, 16000)};
  }

  // An explosion particle 20 ahead of the camera's ship, heard for five seconds.
  struct Traine {
    double secondes = 0;  // from the loudest moment until 60 dB below it for good
    double apres_db = 0;  // level half a second after the sound itself ended, against the loudest
  };
  Traine ecoute_explosion(CVector3 ship, float cap, CVector3 direction) {
    capture_jeu::SonRendu son;
    EXPECT_TRUE(son.ok());
    prepare_environnement();
    g_Camera.InitSurJoueur(ship, cap);
    place_auditeur();
    son.rend(0.2);
    const size_t debut = son.trames();
    const CVector3 e = ship + direction * 20.0f + CVector3(0, 3, 0);
    creation_partic(PARTIC_EXPLOSION, e.x, e.y, e.z);
    for (int i = 0; i < 5 * 30; i++) {
      place_auditeur();
      son.rend_trames(TRAMES_PAR_PAS);
    }
    Effacement_liste_partic();
    libere_environnement();
    double duree = 0;
    EXPECT_EQ(son_son_duree(SON_EXPLOSION, &duree), SON_OK);
    const std::vector<float> m = son.mono();
    const size_t bloc = static_cast<size_t>(son.frequence / 100);
    const std::vector<double> blocs = niveaux_blocs(m, bloc);
    const double pic = *std::max_element(blocs.begin(), blocs.end());
    Traine t;
    t.secondes = traine(m, son.frequence, 60.0);
    t.apres_db = db(rms(m, debut + static_cast<size_t>((duree + 0.5) * son.frequence), bloc * 10) / pic);
    return t;
  }

  SessionSim sim_;
  char ici_[4096] = {};
  Environnement env_;
  PlaceTunnel t_;
};

TEST_P(SonTunnel, AnEngineBehindTheRockWallIsQuieterAndDullerThanInPlainView) {
  const CVector3 oreille = g_Camera.Position();
  // Same distance from the camera: across the rock wall, and along the tunnel.
  const CVector3 derriere = oreille + t_.vers_mur * DISTANCE_MOTEUR;
  CVector3 en_vue = oreille + t_.axe * DISTANCE_MOTEUR;
  if (murs_traverses(env_, oreille, en_vue) > 0) en_vue = oreille - t_.axe * DISTANCE_MOTEUR;
  ASSERT_GE(murs_traverses(env_, oreille, derriere), 1);
  ASSERT_EQ(murs_traverses(env_, oreille, en_vue), 0);

  const Mesure vue = ecoute_moteur(t_.ship, t_.cap, en_vue);
  const Mesure mur = ecoute_moteur(t_.ship, t_.cap, derriere);
  const double perte = vue.niveau_db - mur.niveau_db, perte_graves = vue.graves_db - mur.graves_db,
               perte_aigus = vue.aigus_db - mur.aigus_db;
  // The tunnel's reverb still carries the engine round the wall, so the loss is less than the
  // direct sound's; it is still plain to hear.
  EXPECT_GT(perte, 6.0) << "quieter";
  EXPECT_GT(perte_aigus, perte_graves + 4.0) << "duller: highs lose " << perte_aigus << " dB";
}

TEST_P(SonTunnel, AnExplosionInTheTunnelRingsLongerThanOnTheOpenTrack) {
  const float au_centre = Magnitude(g_Camera.Position() - t_.zone.position);
  ASSERT_LE(au_centre, t_.zone.min_dist) << "the camera is fully in the zone";

  // Out in the open: a racing-line point well beyond every zone, nothing between camera and blast.
  const Point_Traj* dehors = nullptr;
  for (const Point_Traj* p = prem_list_ptraj; p && !dehors; p = p->suivant) {
    bool loin = true;
    for (const SEffetSon& z : env_.zones)
      loin = loin && Magnitude(p->position - z.position) > z.max_dist + 40;
    if (!loin) continue;
    const CVector3 d = Normalize(horizontal(p->normale));
    g_Camera.InitSurJoueur(p->position, cap_de(d));
    if (murs_traverses(env_, g_Camera.Position(), p->position + d * 20.0f) == 0) dehors = p;
  }
  ASSERT_NE(dehors, nullptr);
  const CVector3 d = Normalize(horizontal(dehors->normale));

  const Traine tunnel = ecoute_explosion(t_.ship, t_.cap, t_.axe);
  const Traine ouvert = ecoute_explosion(dehors->position, cap_de(d), d);
  EXPECT_GT(tunnel.secondes, ouvert.secondes + 0.3);
  // Half a second after the sound: the open track's short ambient has died away, the tunnel rings.
  EXPECT_GT(tunnel.apres_db, -90.0);
  EXPECT_GT(tunnel.apres_db, ouvert.apres_db + 30.0) << "tunnel " << tunnel.apres_db << " dB";
}

// The canyon's tunnel is a cave; the ruins' vaulted passage a stone corridor.
INSTANTIATE_TEST_SUITE_P(Circuits, SonTunnel, ::testing::Values(CircuitTunnel{2, 3}, CircuitTunnel{4, 6}),
                         [](const ::testing::TestParamInfo<CircuitTunnel>& i) {
                           return "circuit" + std::to_string(i.param.circuit);
                         });

}  // namespace
