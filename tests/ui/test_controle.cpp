// Controllers: the Escape edge, the joystick's keyboard fallback, key names, the change of kind.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "common/globals.h"
#include "support/clavier_essai.h"
#include "ui/controle.h"

namespace {

class Controle : public ::testing::Test {
 protected:
  void SetUp() override { relache_touches(); }
  void TearDown() override { relache_touches(); }
};

TEST_F(Controle, EscapeEdgeFromTheFirstBankOnlyAndKeyCodesAndNames) {
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
  // Codes outside Allegro's key array are never read as pressed.
  key[0] = 1;
  EXPECT_FALSE(touche_pressee(0));
  EXPECT_FALSE(touche_pressee(500));
  // Key names at each end of their ranges fit the buffer.
  const std::pair<int, const char*> noms[] = {
      {1, "A"},          {26, "Z"},     {27, "0"},      {46, "9 pad"},           {58, "F12"},
      {60, "*"},         {71, "2nd Back Slash"},        {75, "Space"},           {85, "Down"},
      {102, "KanJi"},    {115, "Left Shift"},           {126, "Caps Lock"},      {0, "Not managed !"},
      {104, "Not managed !"},           {127, "Not managed !"}};
  char nom[15];
  for (const auto& [code, attendu] : noms) EXPECT_STREQ(key_convert(nom, code), attendu) << code;
  for (int code = -2; code < 140; code++) EXPECT_LT(std::strlen(key_convert(nom, code)), 15u);
}

TEST_F(Controle, JoystickKeepsArrowsAndEnterItsSetUpEndsOnEscapeAndNoJoystickMeansAKeyboard) {
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
  // Changing kind keeps a keyboard when no joystick loads.
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_config_file("/dev/null");
  cree_controle(1);  // no calibration stored: falls back silently
  ASSERT_NE(controle, nullptr);
  EXPECT_EQ(std::make_pair(controle->GetType(), CONTROL_ACTIF), std::make_pair(1, 0));
  CONTROL_ACTIF = 1;
  change_controle();
  EXPECT_EQ(std::make_pair(controle->GetType(), CONTROL_ACTIF), std::make_pair(1, 0));
  BOUTON_VALIDE = KEY_SPACE;
  change_controle();
  EXPECT_EQ(controle->touche[BT_VALIDE], KEY_SPACE);
  BOUTON_VALIDE = 67;
  delete controle;
  controle = nullptr;
}

}  // namespace
