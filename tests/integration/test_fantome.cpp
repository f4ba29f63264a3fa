// The time trial's ghost: a one-lap run of the self-driving ship alone on a circuit, its controls
// recorded as the race loop records them; the ghost computed from them follows it exactly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture_jeu.h"
#include "common/controle_replay.h"
#include "common/globals.h"
#include "objects/cpu_bot.h"
#include "objects/humain.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/course.h"
#include "race/fantome.h"

namespace {

using Fantome = capture_jeu::SurCircuits;

struct Parcours {
  std::vector<uint8_t> etats;
  std::vector<tPoseFantome> poses;
  int temps = 0;
};

// The time trial as MainLoop runs it, with `pilote` as the player's controller: the countdown's
// steps, then race steps until 30 after the finish.
Parcours roule(Ccontrol* pilote, uint32_t graine) {
  Parcours p;
  controle = pilote;
  prepare_contre_la_montre(graine);
  prepare_pilotes();
  for (int i = 0; i < PAS_DECOMPTE; i++) {
    etape_pilotes();
    p.etats.push_back(octet_controle(*controle));
  }
  demarre_course();
  game_CHRONO = 0;
  CHRONO_MINUTES = CHRONO_SECONDES = CHRONO_MILISECONDES = 0;
  EtatCourse etat;
  int apres = 0;
  for (int pas = 0; pas < 30 * 60 * 5 && apres < 30; pas++) {
    game_CHRONO += 2;
    chrono_course();
    etape_course(etat);
    avance_particules();
    p.etats.push_back(octet_controle(*controle));
    p.poses.push_back(pose_joueur());
    if (Joueurs[JOUEUR_HUMAIN]->GetFinish()) apres++;
  }
  p.temps = tab_arrive[0] ? tab_temps[0].total : 0;
  controle = nullptr;
  return p;
}

TEST_F(Fantome, FollowsTheRecordedRunStepByStep) {
  ASSERT_TRUE(session.charge(dossier, 2, &erreur)) << erreur;
  CJoueurHumain humain;
  for (auto& j : Joueurs) j = nullptr;
  Joueurs[JOUEUR_HUMAIN] = &humain;
  CONTRE_LA_MONTRE = true;
  NOMBRE_TOURS = 1;
  CcontrolBot bot(&humain);
  const Parcours fait = roule(&bot, 1234);
  ASSERT_GT(fait.temps, 0) << "the self-driving ship did not finish its lap";

  // Circuit, laps, computer pilots' speed, seed, time, grid, name, steps.
  const tReplay r{2, 1, 2.5f, 1234, static_cast<uint32_t>(fait.temps), {0, 1, 2, 3, 4, 5}, "", fait.etats};
  // Its run reports no arrival: the game logs those as the player's.
  static int arrivees = 0;
  g_RapportArrivee = [](int, const CObjJoueur*, const tTemps&) { arrivees++; };
  const tFantome f = calcule_fantome(r);
  EXPECT_EQ(arrivees, 0);
  EXPECT_NE(g_RapportArrivee, nullptr);
  g_RapportArrivee = nullptr;
  EXPECT_TRUE(f.poses == fait.poses);
  EXPECT_EQ(f.tours, std::vector<int>{fait.temps});

  // The ghost computed before a run leaves nothing that changes it.
  CcontrolReplay rejeu(fait.etats);
  const Parcours encore = roule(&rejeu, 1234);
  EXPECT_TRUE(encore.poses == fait.poses);
  EXPECT_EQ(encore.temps, fait.temps);
  // Another seed is another race: the same controls do not give the same track.
  CcontrolReplay autre(fait.etats);
  EXPECT_FALSE(roule(&autre, 99).poses == fait.poses);

  CONTRE_LA_MONTRE = false;
  Joueurs[JOUEUR_HUMAIN] = nullptr;
}

}  // namespace
