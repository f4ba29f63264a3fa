// The editing modes' keys through Allegro's key state, F2 on a full disk, the editors' free flight.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "editors/commandes.h"
#include "editors/touches.h"
#include "math/degres.h"
#include "support/clavier_essai.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"
#include "world/camera.h"
#include "world/decorations.h"
#include "world/modeles.h"
#include "world/trajectoire.h"

namespace {

// One step with these keys down (and these modifier flags), then every key released.
void pas(void (*commandes)(), std::initializer_list<int> touches, int modificateurs = 0) {
  relache_touches();
  for (int k : touches) key[k] = 1;
  key_shifts = modificateurs;
  commandes();
  relache_touches();
  key_shifts = 0;
  touches_fin_pas();
}

// Within a hair of (x, y, z).
testing::AssertionResult en(const CVector3& v, float x, float y, float z) {
  if (std::fabs(v.x - x) < 1e-4f && std::fabs(v.y - y) < 1e-4f && std::fabs(v.z - z) < 1e-4f)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "at (" << v.x << ", " << v.y << ", " << v.z << ")";
}

bool joints(const SEffetSon* a, const SEffetSon* b) {
  const CVector3 coin = a->position + a->sommets[1];
  return coin.x == b->position.x && coin.z == b->position.z;
}

class Editeurs : public ::testing::Test {
 protected:
  void SetUp() override {
    relache_touches();
    touches_reinit();
    point_effetSon_actif = 0;
  }
  void TearDown() override {
    relache_touches();
    key_shifts = 0;
    Effacement_liste_effetSon();
    Effacement_liste_deco();
    Effacement_liste_point_t();
  }
};

TEST_F(Editeurs, JoinedPolygonsStayJoinedWhicheverEdgeMoves) {
  creation_effetSon(0, 0, 0, 0);
  pas(CommandesOcclu, {KEY_INSERT});
  SEffetSon* premier = prem_list_effetSon;
  SEffetSon* second = haut_list_effetSon;
  ASSERT_TRUE(joints(premier, second));

  pas(CommandesOcclu, {KEY_6_PAD});                // near edge, +1 along x
  pas(CommandesOcclu, {KEY_6_PAD}, KB_CTRL_FLAG);  // then +5
  pas(CommandesOcclu, {KEY_2_PAD}, KB_CTRL_FLAG);  // and +5 along z
  EXPECT_TRUE(en(second->position, 11, 0, 5));
  EXPECT_TRUE(joints(premier, second));
  EXPECT_FLOAT_EQ(premier->position.x, 0);  // the first only bends at its far edge
  EXPECT_FLOAT_EQ(premier->sommets[2].x, 11);

  // With W the near edge moves alone by 1: the second's far edge stays put.
  const CVector3 loin = second->position + second->sommets[1];
  pas(CommandesOcclu, {KEY_4_PAD, KEY_W}, KB_CTRL_FLAG);
  EXPECT_FLOAT_EQ(second->position.x, 10);
  EXPECT_FLOAT_EQ((second->position + second->sommets[1]).x, loin.x);
  EXPECT_TRUE(joints(premier, second));

  // The first's far edge drags the second's position along.
  pas(CommandesOcclu, {KEY_TAB}, KB_SHIFT_FLAG);
  ASSERT_EQ(act_effetSon, premier);
  pas(CommandesOcclu, {KEY_END});
  ASSERT_EQ(point_effetSon_actif, 1);
  pas(CommandesOcclu, {KEY_8_PAD});
  EXPECT_FLOAT_EQ(second->position.z, 4);
  EXPECT_TRUE(joints(premier, second));
  pas(CommandesOcclu, {KEY_HOME});
  EXPECT_EQ(point_effetSon_actif, 0);

  // Once apart, polygons no longer pull each other.
  pas(CommandesOcclu, {KEY_4_PAD});  // the whole first polygon moves off the joint
  EXPECT_FALSE(joints(premier, second));
  const float x = second->position.x;
  pas(CommandesOcclu, {KEY_END});
  pas(CommandesOcclu, {KEY_4_PAD});
  EXPECT_FLOAT_EQ(second->position.x, x);
}

// Heights and occlusion factors stay in range; F5 turns the polygon into a zone and back.
TEST_F(Editeurs, PolygonAndZoneValuesKeepTheirBoundsAndF5SwitchesKinds) {
  creation_effetSon(0, 0, 0, 0);
  SEffetSon* e = act_effetSon;
  for (int i = 0; i < 5; i++) pas(CommandesOcclu, {KEY_D});
  for (int i = 0; i < 30; i++) pas(CommandesOcclu, {KEY_F});
  EXPECT_EQ(std::pair(e->occlusion_directe, e->occlusion_reverb), std::pair(1.0f, 0.0f));
  // The bottom rises under a top that stays; the top moves by itself.
  pas(CommandesOcclu, {KEY_9_PAD});
  EXPECT_FLOAT_EQ(e->position.y, 1);
  EXPECT_FLOAT_EQ(e->position.y + e->sommets[2].y, 100);
  EXPECT_FLOAT_EQ(e->sommets[0].y, 0);
  pas(CommandesOcclu, {KEY_MINUS_PAD});
  EXPECT_FLOAT_EQ(e->position.y + e->sommets[3].y, 101);
  // Held over two steps, F5 switches once.
  key[KEY_F5] = 1;
  CommandesEffetSon();
  pas(CommandesEffetSon, {KEY_F5});
  SEffetSon* z = act_effetSon;
  EXPECT_EQ(z->type, EFSON_REVERB);
  EXPECT_FLOAT_EQ(z->min_dist, 5);
  for (int i = 0; i < 10; i++) pas(CommandesReverb, {KEY_T});
  EXPECT_FLOAT_EQ(z->min_dist, 5.5f);  // outer 6 minus 0.5
  for (int i = 0; i < 10; i++) pas(CommandesReverb, {KEY_F});
  EXPECT_FLOAT_EQ(z->max_dist, 6.0f);  // inner plus 0.5
  for (int i = 0; i < 20; i++) pas(CommandesReverb, {KEY_R});
  EXPECT_FLOAT_EQ(z->min_dist, 1.0f);
  for (int i = 0; i < 4; i++) pas(CommandesReverb, {KEY_G});
  EXPECT_FLOAT_EQ(z->max_dist, 8.0f);
  // A zone read from a file with crossed radii is not pushed further by either key.
  z->min_dist = 9;
  pas(CommandesReverb, {KEY_T, KEY_F});
  EXPECT_EQ(std::pair(z->min_dist, z->max_dist), std::pair(9.0f, 8.0f));
  // Presets wrap from 6 to 1, and from anything out of range to 1.
  for (int avant : {6, 42}) {
    z->preset = avant;
    pas(CommandesReverb, {KEY_P});
    EXPECT_EQ(z->preset, 1) << avant;
  }
  z->position = CVector3(3, 4, 5);
  pas(CommandesReverb, {KEY_INSERT});
  ASSERT_EQ(nb_effetSon, 2);
  const SEffetSon* copie = act_effetSon;
  EXPECT_EQ(std::tie(copie->type, copie->position.y, copie->max_dist, copie->min_dist),
            std::make_tuple(EFSON_REVERB, 4.0f, 8.0f, 9.0f));
  pas(CommandesEffetSon, {KEY_F5});
  EXPECT_EQ(act_effetSon->type, EFSON_OCCLUSION);
}

TEST_F(Editeurs, EveryCommandDoesNothingOnAnEmptyList) {
  const std::initializer_list<int> tout = {
      KEY_INSERT, KEY_DEL, KEY_TAB, KEY_4_PAD, KEY_6_PAD, KEY_8_PAD, KEY_2_PAD, KEY_9_PAD, KEY_3_PAD,
      KEY_MINUS_PAD, KEY_PLUS_PAD, KEY_D, KEY_R, KEY_T, KEY_G, KEY_F, KEY_P, KEY_F5, KEY_F6, KEY_END, KEY_U,
      KEY_Y, KEY_S, KEY_W};
  for (auto [commandes, modificateurs] :
       {std::pair{&CommandesOcclu, 0}, {&CommandesReverb, 0}, {CommandesEffetSon, 0}, {CommandesDeco, 0},
        {CommandesDeco, KB_SHIFT_FLAG}, {CommandesTraj, 0}, {CommandesTraj, KB_CTRL_FLAG}})
    pas(commandes, tout, modificateurs);
  EXPECT_EQ(std::tie(nb_effetSon, nb_deco, nb_point_t), std::make_tuple(0, 0, 0));
  // Deleting the last element, then pressing on.
  creation_effetSon(0, 0, 0, 0);
  pas(CommandesOcclu, {KEY_DEL, KEY_6_PAD, KEY_D});
  EXPECT_EQ(act_effetSon, nullptr);
  pas(CommandesEffetSon, tout);
  EXPECT_EQ(nb_effetSon, 0);
}

TEST_F(Editeurs, DecorationCommands) {
  creation_deco(1, 2, 3);
  act_deco->type = 5;
  act_deco->applique_type();
  act_deco->echelle = 2;
  pas(CommandesDeco, {KEY_INSERT});
  ASSERT_EQ(nb_deco, 2);
  CObjetDeco* copie = act_deco;
  EXPECT_EQ(std::tie(copie->type, copie->modele, copie->echelle, copie->position.z),
            std::make_tuple(5, &arbre, 2.0f, 3.0f));

  for (auto [touche, m] : {std::pair<int, int>{KEY_6_PAD, KB_CTRL_FLAG}, {KEY_9_PAD, 0},
                           {KEY_8_PAD, KB_SHIFT_FLAG}, {KEY_PLUS_PAD, 0}, {KEY_Y, 0}, {KEY_S, KB_SHIFT_FLAG}})
    pas(CommandesDeco, {touche}, m);
  EXPECT_TRUE(en(copie->position, 6, 2.8f, 2.8f));
  EXPECT_FLOAT_EQ(copie->angles.y, -1);
  EXPECT_FLOAT_EQ(copie->echelle, 1.99f);

  pas(CommandesDeco, {KEY_F6});
  EXPECT_EQ(std::tie(copie->type, copie->modele), std::make_tuple(6, &orchid));
  EXPECT_FLOAT_EQ(copie->rayon, 17);
  copie->type = 9;
  pas(CommandesDeco, {KEY_F6});
  EXPECT_EQ(copie->type, 1);
  pas(CommandesDeco, {KEY_F5});
  EXPECT_EQ(std::tie(copie->type, copie->modele), std::make_tuple(9, &clochettes));

  for (auto [modificateurs, attendu] : {std::pair{0, prem_list_deco}, {KB_SHIFT_FLAG, haut_list_deco}}) {
    pas(CommandesDeco, {KEY_TAB}, modificateurs);  // Tab wraps from the last to the first, Shift back
    EXPECT_EQ(act_deco, attendu);
  }
  pas(CommandesDeco, {KEY_DEL});
  EXPECT_EQ(nb_deco, 1);
}

// `n` steps with F2 held, under a file size limit; what the steps said on stderr.
std::string f2_tenu(void (*commandes)(), int n, rlim_t limite_octets) {
  testing::internal::CaptureStderr();
  {
    EcritureLimitee limite(limite_octets);
    for (int i = 0; i < n; i++) {
      relache_touches();
      key[KEY_F2] = 1;
      commandes();
      touches_fin_pas();
    }
    relache_touches();
    touches_fin_pas();
  }
  return testing::internal::GetCapturedStderr();
}

// The disk refuses the file: the circuit's file stays whole and the edit goes on; then F2 with room.
TEST_F(Editeurs, EachEditorKeepsItsFileAndSaysSoOncePerPress) {
  DossierTemporaire dossier;
  ASSERT_TRUE(dossier.pret());
  ASSERT_EQ(mkdir("objets", 0755), 0);
  LEVEL_ACTIF = 5;
  for (int i = 0; i < 30; i++) creation_point_t(7.0f * i, 0, 0, i);
  for (int i = 0; i < 30; i++) creation_deco(3.0f * i, 0, 1);
  for (int i = 0; i < 10; i++) creation_effetSon(5.0f * i, 0, 2, i);
  ASSERT_TRUE(sauve_trajectoire() && sauve_deco(5) && sauve_effetSon());
  creation_point_t(1, 2, 3, 30);
  creation_deco(9, 9, 9);
  creation_effetSon(1, 1, 1, 10);
  const struct {
    void (*commandes)();
    std::string fichier;
    std::vector<uint8_t> (*encode)();
  } editeurs[] = {{CommandesTraj, "objets/traj_5.dat", encode_trajectoire},
                  {CommandesDeco, "objets/deco_5.dat", encode_deco},
                  {CommandesEffetSon, "objets/efson_5.dat", encode_effetSon}};
  for (const auto& e : editeurs) {
    SCOPED_TRACE(e.fichier);
    const std::vector<uint8_t> avant = octets_de(e.fichier);
    const std::string dit = f2_tenu(e.commandes, 3, 300);
    const std::string plainte = e.fichier.substr(7) + " could not be written";
    EXPECT_NE(dit.find(plainte), std::string::npos) << dit;
    EXPECT_EQ(dit.find(plainte), dit.rfind(plainte)) << dit;
    EXPECT_EQ(octets_de(e.fichier), avant);
    EXPECT_EQ(noms_dans("objets").size(), 3u);
    // With room, the same key writes the list as it is now, and says nothing.
    EXPECT_EQ(f2_tenu(e.commandes, 1, RLIM_INFINITY), "");
    EXPECT_EQ(octets_de(e.fichier), e.encode());
  }
}

// Free flight from the keyboard and the mouse, whose centre is that of a 640 x 480 window.
TEST_F(Editeurs, FreeFlightArrowKeysWithShiftAndCtrlStepsAndStrafeStaysHorizontal) {
  init_cosin();
  int largeur = 640, hauteur = 480;
  std::swap(largeur, SCREEN_WIDTH), std::swap(hauteur, SCREEN_HEIGHT);
  CCamera cam;
  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  // Up, then Ctrl held too, then Shift as well: Shift wins over Ctrl.
  for (auto [touche, z] : {std::pair{KEY_UP, 1.0f}, {KEY_LCONTROL, 5.0f}, {KEY_RSHIFT, 5.5f}}) {
    key[touche] = 1;
    cam.CheckForMovement();
    EXPECT_TRUE(en(cam.Position(), 0, 0, z)) << touche;
  }
  EXPECT_TRUE(en(cam.View(), 0, 0, 6.5f));
  relache_touches();
  key[KEY_PGDN] = 1;
  cam.CheckForMovement();
  EXPECT_NEAR(cam.Position().y, -1, 1e-6f);
  EXPECT_NEAR(cam.View().y, -1, 1e-6f);
  relache_touches();

  cam.PositionCamera(0, 0, 0, 0, 10, 10, 0, 1, 0);  // looking up at 45 degrees
  mouse_x = 320, mouse_y = 240;  // the mouse sits at the centre: nothing turns
  cam.Update();
  // Right of a camera looking along +z (y up) is -x.
  EXPECT_TRUE(en(cam.Strafe(), -1, 0, 0));
  cam.StrafeCamera(2);
  EXPECT_TRUE(en(cam.Position(), -2, 0, 0));
  EXPECT_TRUE(en(cam.View(), -2, 10, 10));
  std::swap(largeur, SCREEN_WIDTH), std::swap(hauteur, SCREEN_HEIGHT);
}

}  // namespace
