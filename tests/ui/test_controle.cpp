// Controllers: release edges, the two banks, the joystick's keyboard fallback, key names.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/controle_replay.h"
#include "common/globals.h"
#include "support/clavier_essai.h"
#include "ui/controle.h"

namespace {

class Controle : public ::testing::Test {
 protected:
  void SetUp() override { relache_touches(); }
  void TearDown() override { relache_touches(); }
};

TEST_F(Controle, AHeldKeyReportsItsReleaseExactlyOnce) {
  Cclavier c;
  applique_touches_clavier(&c);
  key[KEY_ENTER] = 1;
  for (int i = 0; i < 5; i++) {
    c.Pool();
    EXPECT_TRUE(c.Valide());
    EXPECT_FALSE(c.Relache_Valide());
  }
  key[KEY_ENTER] = 0;
  c.Pool();
  EXPECT_FALSE(c.Valide());
  // Enter is in both banks: two edges, reported one per call.
  EXPECT_TRUE(c.Relache_Valide());
  EXPECT_TRUE(c.Relache_Valide());
  EXPECT_FALSE(c.Relache_Valide());
  // Edges are assigned, not accumulated: unconsumed ones vanish at the next poll.
  key[KEY_ENTER] = 1;
  c.Pool();
  key[KEY_ENTER] = 0;
  c.Pool();
  c.Pool();
  EXPECT_FALSE(c.Relache_Valide());
}

TEST_F(Controle, DefaultKeysAccelerateAndBrakeThroughEitherBank) {
  BOUTON_HAUT = KEY_UP;
  BOUTON_BAS = KEY_DOWN;
  BOUTON_SPE = KEY_PGUP;
  BOUTON_SPE_1 = KEY_PGDN;
  Cclavier c;
  applique_touches_clavier(&c);
  for (int k : {KEY_UP, KEY_PGUP, KEY_INSERT, KEY_DOWN, KEY_PGDN, KEY_DEL}) {
    key[k] = 1;
    c.Pool();
    const bool accelere = k == KEY_UP || k == KEY_PGUP || k == KEY_INSERT;
    EXPECT_EQ(c.Haut() || c.Special(), accelere) << k;
    EXPECT_EQ(c.Bas() || c.Special_1(), !accelere) << k;
    key[k] = 0;
    c.Pool();
  }
  // A configured letter drives the first bank only.
  c.SetBtGauche(KEY_K);
  key[KEY_K] = 1;
  c.Pool();
  EXPECT_TRUE(c.Gauche());
  EXPECT_EQ(c.etat_2[BT_GAUCHE], 0);
}

TEST_F(Controle, EscapeIsLiveAndItsEdgeComesFromTheFirstBankOnly) {
  Cclavier c;
  key[KEY_ESC] = 1;
  EXPECT_TRUE(escape_presse(c));  // no poll needed
  c.Pool();
  key[KEY_ESC] = 0;
  EXPECT_FALSE(escape_presse(c));
  c.Pool();
  EXPECT_TRUE(c.Relache_Escape());
  EXPECT_FALSE(c.Relache_Escape());
  // The key reader takes the highest code held.
  key[KEY_LSHIFT] = 1;
  key[KEY_A] = 1;
  EXPECT_EQ(get_all_key(), 115);
}

TEST_F(Controle, OutOfRangeCodesAreNeverPressed) {
  Cclavier c;
  c.SetBtValide(0);
  c.SetBtSpe(127);
  c.SetBtSpe_1(-4);
  key[0] = 1;
  c.Pool();
  EXPECT_FALSE(c.Valide());
  EXPECT_FALSE(touche_pressee(500));
  EXPECT_FALSE(bouton_joystick_presse(40));
  EXPECT_FALSE(bouton_joystick_presse(-1));
}

TEST_F(Controle, JoystickKeepsTheArrowKeysAndEnterAndItsSetUpEndsOnEscape) {
  Cjoystick j;
  applique_boutons_joystick(&j);
  EXPECT_EQ(j.GetType(), 2);
  // Directions come from the stick: setting them is ignored.
  j.SetBtHaut(KEY_A);
  EXPECT_EQ(j.touche[BT_HAUT], KEY_UP);
  key[KEY_DOWN] = 1;
  key[KEY_ENTER] = 1;
  j.Pool();
  EXPECT_TRUE(j.Bas());
  EXPECT_TRUE(j.Valide());
  key[KEY_ENTER] = 0;
  j.Pool();
  EXPECT_TRUE(j.Relache_Valide());
  // A pad of two buttons, both already chosen, asked for a third: only Escape can end the wait.
  joy[0].num_buttons = 2;
  key[KEY_ESC] = 1;
  EXPECT_EQ(attend_bouton_joystick(0, 1), -1);
  joy[0].num_buttons = 0;
}

// What the human pilot reads, step by step as it reads it (the fire edge before the poll), is
// the same from the keys and from their recording, with a fire key in each bank: Enter released
// while Space is held still fires.
TEST_F(Controle, ARecordingPlaysBackWhatThePilotReadIncludingEachBanksFireEdges) {
  Cclavier c;
  applique_touches_clavier(&c);
  c.SetBtValide(KEY_SPACE);
  const int touches[] = {KEY_UP, KEY_ENTER, KEY_SPACE, KEY_RIGHT, KEY_DOWN, KEY_O};
  std::vector<uint8_t> octets;
  std::string lu_clavier, lu_replay;
  auto lit = [](Ccontrol& k, std::string& s) {
    s += k.Relache_Valide() ? 'F' : '-';
    k.Pool();
    s += std::to_string(k.Haut()) + std::to_string(k.Bas()) + std::to_string(k.Gauche()) +
         std::to_string(k.Droite()) + std::to_string(k.Special()) + std::to_string(k.Special_1()) + ' ';
  };
  for (int pas = 0; pas < 64; pas++) {
    for (int i = 0; i < 6; i++) key[touches[i]] = (pas >> i) & 1 ? 0 : ((pas * 7 + i) % 5 < 2);
    lit(c, lu_clavier);
    octets.push_back(octet_controle(c));
  }
  CcontrolReplay r(octets);
  for (int pas = 0; pas < 64; pas++) lit(r, lu_replay);
  EXPECT_TRUE(r.fini());
  EXPECT_EQ(lu_replay, lu_clavier);
  EXPECT_NE(lu_clavier.find('F'), std::string::npos);
  // Past its end the recording presses nothing.
  r.Pool();
  EXPECT_EQ(octet_controle(r), 0);
}

TEST_F(Controle, KeyNamesAtEachEndOfTheirRangesFitTheBuffer) {
  const std::pair<int, const char*> noms[] = {
      {1, "A"},          {26, "Z"},     {27, "0"},      {46, "9 pad"},           {58, "F12"},
      {60, "*"},         {71, "2nd Back Slash"},        {75, "Space"},           {85, "Down"},
      {102, "KanJi"},    {115, "Left Shift"},           {126, "Caps Lock"},      {0, "Not managed !"},
      {104, "Not managed !"},           {127, "Not managed !"}};
  char nom[15];
  for (const auto& [code, attendu] : noms) EXPECT_STREQ(key_convert(nom, code), attendu) << code;
  for (int code = -2; code < 140; code++) EXPECT_LT(std::strlen(key_convert(nom, code)), 15u);
}

TEST_F(Controle, ChangingKindKeepsAKeyboardWhenNoJoystickLoads) {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_config_file("/dev/null");
  cree_controle(1);  // no calibration stored: falls back silently
  ASSERT_NE(controle, nullptr);
  EXPECT_EQ(controle->GetType(), 1);
  EXPECT_EQ(CONTROL_ACTIF, 0);
  CONTROL_ACTIF = 1;
  change_controle();
  EXPECT_EQ(controle->GetType(), 1);
  EXPECT_EQ(CONTROL_ACTIF, 0);
  BOUTON_VALIDE = KEY_SPACE;
  change_controle();
  EXPECT_EQ(controle->touche[BT_VALIDE], KEY_SPACE);
  BOUTON_VALIDE = 67;
  delete controle;
  controle = nullptr;
}

}  // namespace
