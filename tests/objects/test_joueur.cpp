// Ship base: state guards, the wall bounce and its cut push, pushes between ships.
#include <gtest/gtest.h>

#include <utility>

#include "math/degres.h"
#include "objects/joueur.h"

namespace {

// Exposes the per-step helpers the pilot kinds call.
class PiloteEssai : public CObjJoueur {
 public:
  using CObjJoueur::applique_choc;
};

void expect_vec(CVector3 v, float x, float y, float z, float eps = 1e-4f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

class Vaisseau : public ::testing::Test {
 protected:
  void SetUp() override { init_cosin(); }
  PiloteEssai p;
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
  PiloteEssai m;
  m.SetContactDecor(true, CVector3(0, 60, 0));
  EXPECT_NEAR(m.position.y, 4.5f * 1.1f, 1e-4f);
  EXPECT_NEAR(Magnitude(m.normale_decor), 4.5f, 1e-4f);
  // Head-on: straight back (the normal kept un-normalised, used normalised); no normal: no bounce.
  for (auto [normale, apres] : {std::pair{CVector3(-3, 0, 0), -1.0f}, {CVector3(0, 0, 0), 1.0f}}) {
    PiloteEssai q;
    q.deplacement = CVector3(1, 0, 0);
    q.normale_decor = normale;
    q.Set_Collision();
    expect_vec(q.deplacement, apres, 0, 0);
  }
}

TEST_F(Vaisseau, PushesFromBehindHeadOnAndSide) {
  struct Choc {
    CVector3 eloigne;
    float vitesse, autre_z, autre_vitesse;  // the other ship moves along z
    float vitesse_apres, force, recul;
    CVector3 dir;
  };
  // The ship drives along +z at `vitesse`, its push direction (0, 1, 0) before the contact.
  const Choc chocs[] = {
      {{0, 0, 4}, 1, 1, 2, 0.55f, 2.1f, 0.95238f, {0, 0, 1}},  // hit from behind by a faster ship
      {{0, 0, 1}, 2, 1, 1, 2.35f, 0.6f, 0.47619f, {0, 0, 1}},  // by a slower one
      // Driving into a ship going the same way keeps the old push direction.
      {{0, 0, -1}, 2, 1, 1, 1.35f, 0.6f, 0.47619f, {0, 1, 0}},
      {{0, 0, -1}, 0.5f, -1, 2, 0, 0.8f, 0.47619f, {0, 0, -1}},  // head on: never below 0
      {{1, 0, 0}, 2, 1, 1, 1.35f, 1.5f, 0.47619f, {1, 0, 0}},    // side contact
  };
  for (const Choc& c : chocs) {
    SCOPED_TRACE(testing::Message() << c.eloigne.x << " " << c.eloigne.z << " " << c.vitesse);
    PiloteEssai p;
    p.deplacement = CVector3(0, 0, 1);
    p.vitesse = c.vitesse;
    p.dir_choc = CVector3(0, 1, 0);
    const float recouvrement = Magnitude(c.eloigne);
    p.SetChoc(c.eloigne, recouvrement, CVector3(0, 0, c.autre_z), c.autre_vitesse);
    EXPECT_NEAR(p.vitesse, c.vitesse_apres, 1e-5);
    EXPECT_NEAR(p.force_choc, c.force, 1e-5);
    expect_vec(p.dir_choc, c.dir.x, c.dir.y, c.dir.z);
    EXPECT_NEAR(Magnitude(p.position), c.recul, 1e-4);
  }
  // The push wears off by 0.2 a step, never below 0.
  PiloteEssai e;
  e.force_choc = 1.5f;
  e.dir_choc = CVector3(1, 0, 0);
  for (int i = 0; i < 10; i++) e.applique_choc();
  EXPECT_EQ(e.force_choc, 0);
  EXPECT_NEAR(e.position.x, 1.5f + 1.3f + 1.1f + 0.9f + 0.7f + 0.5f + 0.3f + 0.1f, 1e-3f);
}

}  // namespace
