// Ships: state guards, the wall bounce and its push cut to the ship's radius; the player's
// wrong-way warning and the racing-line targets it passes.
#include <gtest/gtest.h>

#include <utility>

#include "math/degres.h"
#include "objects/humain.h"
#include "objects/joueur.h"
#include "support/outils_essai.h"
#include "world/trajectoire.h"

namespace {

void expect_vec(CVector3 v, float x, float y, float z, float eps = 1e-4f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

class Vaisseau : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    h.angle = h.angle_deplacement = 0;
    h.face_sol.normale = CVector3(0, 1, 0);
  }
  void TearDown() override { Effacement_liste_point_t(); }
  CObjJoueur p;
  ControleEssai clavier;
  CJoueurHumain h;  // the player's
};

TEST_F(Vaisseau, StateGuardsFinishIsFinalButExplosionStillKicks) {
  p.SetMove();
  p.Set_Roule();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Roule);
  p.Set_Explode();
  p.Set_Roule();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Explode);
  p.Set_Chute();  // only Finish resists a fall
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  p.Set_Roule();
  p.contact_sol = p.contact_decor = p.contact_ombre = true;
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  EXPECT_FALSE(p.contact_sol || p.contact_decor || p.contact_ombre);
  p.Set_Finish();
  p.Set_Roule();
  p.Set_Chute();
  p.normale_decor = CVector3(-1, 0, 0);
  p.Set_Collision();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  p.position = CVector3(0, 1, 0);
  p.deplacement = CVector3();
  p.Set_Explode();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  EXPECT_FLOAT_EQ(p.position.y, 1.6f);
  EXPECT_FLOAT_EQ(p.deplacement.y, 0.8f);
  // Before the start, Set_Roule waits, even from Finish.
  p.StopMove();
  p.Set_Roule();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Attend);
}

TEST_F(Vaisseau, WallBounceMirrorsOnceAndCutsSpeed) {
  p.SetMove();
  p.Set_Roule();
  p.vitesse = 2.0f;
  p.deplacement = Normalize(CVector3(1, 0, 1));
  p.SetContactDecor(true, CVector3(-1, 0, 0));
  expect_vec(p.position, -1.1f, 0, 0);
  p.Set_Collision();
  expect_vec(p.deplacement, -0.70710678f, 0, 0.70710678f, 2e-3f);
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  EXPECT_EQ(p.GetEtat(), EtatPilote::CollisionRoule);
  // A second one while colliding changes nothing.
  const CVector3 d = p.deplacement;
  p.Set_Collision();
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  expect_vec(p.deplacement, d.x, d.y, d.z, 0);
  // Many faces at once add up to a huge push: it is cut to the ship's radius.
  CObjJoueur m;
  m.SetContactDecor(true, CVector3(0, 60, 0));
  EXPECT_NEAR(m.position.y, 4.5f * 1.1f, 1e-4f);
  EXPECT_NEAR(Magnitude(m.normale_decor), 4.5f, 1e-4f);
  // Head-on: straight back (the normal kept un-normalised, used normalised); no normal: no bounce.
  for (auto [normale, apres] : {std::pair{CVector3(-3, 0, 0), -1.0f}, {CVector3(0, 0, 0), 1.0f}}) {
    CObjJoueur q;
    q.deplacement = CVector3(1, 0, 0);
    q.normale_decor = normale;
    q.Set_Collision();
    expect_vec(q.deplacement, apres, 0, 0);
  }
}

TEST_F(Vaisseau, WrongWayBlinksAfter30Steps) {
  h.dir_traj = CVector3(0, 0, 1);
  h.deplacement = CVector3(0, 0, -1);
  h.Set_Attend();
  for (int i = 1; i <= 80; i++) {
    h.action();
    EXPECT_EQ(h.sens_interdit, (i >= 31 && i <= 55) || i >= 67) << "step " << i;
  }
  h.deplacement = CVector3(0, 0, 1);
  h.action();
  EXPECT_FALSE(h.sens_interdit);
}

TEST_F(Vaisseau, APointPassedBesideIsStillReached) {
  creation_point_t(0, 0, 0, 0);
  creation_point_t(0, 0, 100, 1);
  creation_point_t(100, 0, 100, 2);
  calcule_trajectoire();
  h.position = CVector3(25, 0, 80);
  h.set_ptr_destination(prem_list_ptraj->suivant);
  EXPECT_EQ(h.point_valide, 1);
  EXPECT_EQ(h.point_courant, 2);
  h.Set_Attend();
  // Abreast of the point, 25 units to the side (625 > 225), then moving away.
  h.position = CVector3(25, 0, 100);
  h.action();
  EXPECT_EQ(h.point_courant, 2);
  h.position = CVector3(25, 0, 110);
  h.action();
  EXPECT_EQ(h.point_courant, 3);
  EXPECT_EQ(h.point_valide, 2);
  EXPECT_FLOAT_EQ(h.dir_traj.z, prem_list_ptraj->suivant->normale.z);
  // The first point of the line takes the last point's direction and reports -1.
  h.set_ptr_destination(prem_list_ptraj);
  EXPECT_EQ(h.point_valide, -1);
}

}  // namespace
