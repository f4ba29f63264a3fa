// Dialogs (value wrapping, focus moves that skip titles, text entry, slider steps, sounds), 3D text
// and controllers (the Escape edge, the joystick's keyboard fallback, key names, the change of kind).
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "audio/son.h"
#include "common/globals.h"
#include "support/clavier_essai.h"
#include "ui/controle.h"
#include "ui/dialogue.h"
#include "ui/texte3d.h"

namespace {

class Dialogue : public ::testing::Test {
 protected:
  ClavierEssai clavier;
};

// A number wraps within 1..max and reports a change; words, controllers and keys answer their identifier.
TEST_F(Dialogue, ChoicesWrapAndAnswer) {
  int valeur = 3, max = 3;
  CChoixNumBouton n("Tours", CVector3(0, 0, -3), 2, 7, &valeur, &max);
  EXPECT_STREQ(n.affichage_courant(), "Tours 3");
  for (auto [touche, attendu, texte] : {std::tuple{KEY_RIGHT, 1, "Tours 1"}, {KEY_LEFT, 3, "Tours 3"}}) {
    clavier.tape(touche);
    EXPECT_EQ(n.Gere(), DLG_CHANGE);
    EXPECT_EQ(valeur, attendu);
    EXPECT_STREQ(n.affichage_courant(), texte);
  }

  int mot = 0, dernier = 1;
  const char* mots[] = {"Francais", "English", "Stop"};
  CChoixParMotBouton b("Langue: ", CVector3(0, 0, -3), 2, 4, &mot, &dernier, const_cast<char**>(mots));
  EXPECT_STREQ(b.affichage_courant(), "Langue: Francais");
  for (int attendu : {1, 0}) {
    clavier.tape(KEY_RIGHT);
    EXPECT_EQ(b.Gere(), 4);
    EXPECT_EQ(mot, attendu);
  }
  int ctl = 0, ctl_max = 1;
  CChoixControlBouton c("Controle:", CVector3(0, 0, -3), 2, 5, &ctl, &ctl_max);
  EXPECT_STREQ(c.affichage_courant(), "Controle: clavier");
  clavier.tape(KEY_LEFT);
  EXPECT_EQ(c.Gere(), 5);
  EXPECT_STREQ(c.affichage_courant(), "Controle: Joystick");
  // Capture: no key yet, a key, then Escape that cancels without telling the dialog of a change.
  int touche = KEY_UP;
  CConfigKeybT k("Haut:", CVector3(0, 0, -3), 2, 6, &touche);
  for (auto [tenue, reponse, attendue, nom] :
       {std::tuple{0, 0, KEY_UP, "Haut: Up"}, {KEY_E, 6, KEY_E, "Haut: E"}, {KEY_ESC, 0, KEY_E, "Haut: E"}}) {
    EXPECT_EQ(k.termine_capture(tenue), reponse) << tenue;
    EXPECT_EQ(touche, attendue);
    EXPECT_STREQ(k.affichage_courant(), nom);
  }
  EXPECT_FALSE(k.en_capture());
}

TEST_F(Dialogue, FocusWrapsAndSkipsTitlesAndClicksAnswer) {
  CDialogue d;
  d.AddTitre("Menu", CVector3(0, 1, -3), 2);
  d.AddClick("Un", CVector3(0, 0, -3), 2, 1);
  d.AddTitre("--", CVector3(0, -0.5f, -3), 2);
  d.AddClick("Deux", CVector3(0, -1, -3), 2, 2);
  EXPECT_EQ(d.GetFocus(), 0);
  // Down from the title to the first button, Up wraps past the title at 0, Down skips the middle one.
  for (auto [resultat, focus] : {std::pair{DLG_BAS, 1}, {DLG_HAUT, 3}, {DLG_BAS, 1}, {DLG_BAS, 3}}) {
    d.traite_resultat(resultat);
    EXPECT_EQ(d.GetFocus(), focus) << resultat;
  }
  EXPECT_EQ(d.traite_resultat(DLG_CHANGE), 0);  // a choice's change stays inside the dialog
  for (int i = 0; i < 10; i++) d.AddClick("x", CVector3(0, 0, -3), 2, 10 + i);
  EXPECT_EQ(d.GetNbBoutons(), CDialogue::MAX_BOUTONS);
  CClickBouton b("Jouer", CVector3(0, 0, -3), 2, 9);
  clavier.tape(KEY_DOWN);
  EXPECT_EQ(b.Gere(), DLG_BAS);
  clavier.tape(KEY_ENTER);
  EXPECT_EQ(b.Gere(), 9);
  EXPECT_EQ(b.Gere(), 9);  // the fixed bank's Enter edge comes second
  EXPECT_EQ(b.Gere(), 0);
}

TEST_F(Dialogue, TextEntryKeepsFourteenAndFallsBackToNobody) {
  // Return after too many characters, then after nothing typed (Backspace on empty does nothing);
  // Escape shows Nobody but leaves the caller's string alone.
  for (auto [touches, reponse, nom_attendu] : {std::tuple{"abcdefghijklmnopq\r", 3, "abcdefghijklmn"},
                                               {"\bx\b\b\r", 3, "Nobody"}, {"z\x1b", 0, "Human"}}) {
    char original[] = "Human";
    char* nom = original;
    CSaisieBouton b("Nom:", CVector3(0, 0, -3), 2, 3, &nom);
    b.commence_edition();
    int r = -1;
    for (const char* c = touches; *c; c++) r = b.traite_touche(*c);
    EXPECT_EQ(r, reponse) << touches;
    EXPECT_STREQ(nom, nom_attendu);
    EXPECT_STREQ(b.GetSaisie(), reponse ? nom_attendu : "Nobody");
    EXPECT_FALSE(b.en_edition());
  }
}

TEST_F(Dialogue, SliderStepsWhileHeldAndClamps) {
  int valeur = 5, max = 10;
  CSlideBouton b("Musique", CVector3(0, 0, -3), 2, 2, &valeur, &max, 5);
  for (auto [touche, pas, attendu] : {std::tuple{KEY_RIGHT, 1, 7}, {KEY_RIGHT, 5, 10}, {KEY_LEFT, 10, 1}}) {
    relache_touches();
    key[touche] = 1;
    for (int i = 0; i < pas; i++) {
      controle->Pool();
      b.Gere();
    }
    EXPECT_EQ(valeur, attendu) << pas;
  }
  // Three in five steps truncates to 0: the slider does not move.
  int v3 = 2, m3 = 3;
  CSlideBouton c("Sons", CVector3(0, 0, -3), 2, 2, &v3, &m3, 5);
  c.Gere();
  EXPECT_EQ(v3, 2);
}

TEST(DialogueSons, NoSoundAtAllWithoutTheFocusSound) {
  ASSERT_EQ(son_systeme_cree(&g_SystemeSon), SON_OK);
  ASSERT_EQ(son_systeme_set_sortie(g_SystemeSon, SON_SORTIE_NULLE), SON_OK);
  ASSERT_EQ(son_systeme_init(g_SystemeSon, 100, SON_INIT_NORMAL), SON_OK);
  HSon bip;
  const std::string wav = std::string(VELTRA_SOURCE_DIR) + "/tests/fuzz/corpus/decodeur_son/pcm16_mono.wav";
  ASSERT_EQ(son_cree_son(g_SystemeSon, wav.c_str(), SON_MODE_DEFAUT, &bip), SON_OK);
  auto joues = [] {
    int n = -1;
    EXPECT_EQ(son_systeme_canaux_joues(g_SystemeSon, &n), SON_OK);
    return n;
  };
  {
    CDialogue d;
    d.AddClick("Un", CVector3(0, 0, -3), 2, 1);
    d.AddClick("Deux", CVector3(0, -1, -3), 2, 2);
    d.SetSonClick(bip);  // the click alone: gated by the focus sound
    EXPECT_EQ(d.traite_resultat(1), 1);
    d.traite_resultat(DLG_BAS);
    EXPECT_EQ(joues(), 0);
    d.SetSonBouton(bip);
    EXPECT_EQ(d.traite_resultat(2), 2);
    EXPECT_EQ(joues(), 1);
    d.traite_resultat(DLG_HAUT);
    EXPECT_EQ(joues(), 2);
  }
  son_systeme_libere(g_SystemeSon);
  g_SystemeSon = HSysteme();
}

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

float largeur_glyphe(int k) { return 0.1f + 0.001f * k; }

// `n` glyphs: glyph k is a rectangle 0.1 + 0.001k wide, 0.25 high; the space has no faces.
t3DModel police(int n) {
  t3DModel m;
  for (int k = 0; k < n; k++) {
    t3DObject o;
    const float w = largeur_glyphe(k);
    o.vertices = {CVector3(0, 0, 0), CVector3(w, 0, 0), CVector3(w, 0.25f, 0), CVector3(0, 0.25f, 0)};
    o.normals.assign(4, CVector3(0, 0, 1));
    if (k > 0) o.faces = {tFace{{0, 0, 0}, {0, 1, 2}}, tFace{{0, 0, 0}, {0, 2, 3}}};
    o.vertexCount = 4;
    o.faceCount = static_cast<int>(o.faces.size());
    m.objects.push_back(o);
  }
  m.objectCount = n;
  return m;
}

float w(char c) { return largeur_glyphe(c - 32); }

// With no GL context the GL calls do nothing: the cursor is checked here, the drawing elsewhere.
TEST(Texte, CursorAfterDrawingAndCentringAndGlyphMeasures) {
  t3DModel m = police(95);  // a full font
  Ctext t;
  t.init(&m, 255, 123, 51, 255);
  const float avance = t.place_texte("Veltra 1", nullptr);

  t.print(0, CVector3(-0.3f, 0.1f, -1), "Veltra 1", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), -0.3f + avance);
  EXPECT_FLOAT_EQ(t.GetCurseurY(), 0.1f);

  t.print(2, CVector3(0.5f, 0, -1), "Veltra 1", 1);  // centred: starts half the width to the left
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 0.5f - t.longueur_texte("Veltra 1") / 2 + avance);

  t.print_outline(0, CVector3(1, 2, -1), "AB", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 1 + w('A') + w('B') + 0.04f);
  t.print_outline(1, CVector3(-5, -5, -1), "C", 1);  // goes on at the cursor
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 1 + w('A') + w('B') + w('C') + 0.06f);
  EXPECT_FLOAT_EQ(t.GetCurseurY(), 2.0f);

  // Outside 32..126, a signed byte below 32 too, a character counts 0.5 for width and spacing.
  EXPECT_FLOAT_EQ(t.longueur_texte("A\xe9"), w('A') + 0.5f);
  t.world_print(0, CVector3(3, 0, 0), "A", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 3 + w('A') + 0.02f);
  t.print_spe(2, CVector3(0, 0, -1), "AB", true, 10, 20, 30, 40, true, 2);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), -(w('A') + 0.02f + w('B')) / 2 + w('A') + w('B') + 0.04f);
  // Glyphs are measured from their positive extent; objects past the last slot are ignored.
  m.objects[5].vertices = {CVector3(-1, -2, 0), CVector3(-0.5f, -0.1f, 0)};  // all left of and below 0
  m.objects[9].vertices.push_back(CVector3(0.05f, 0.4f, 0));                   // a tall glyph
  t.init(&m, 255, 123, 51, 255);
  EXPECT_EQ(t.GetLargeur(5), 0.0f);
  EXPECT_EQ(t.GetHauteur(5), 0.0f);
  EXPECT_FLOAT_EQ(t.GetMaxH(), 0.4f);
  EXPECT_FLOAT_EQ(t.GetEspacement(), 0.02f);  // the spacing between characters
  t3DModel grande = police(120);
  t.init(&grande, 255, 255, 255, 255);
  EXPECT_FLOAT_EQ(t.GetMaxW(), largeur_glyphe(95));
}

}  // namespace
