// The command line: every option, its forms and its bad values.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/ligne_commande.h"

namespace {

tLigneCommande analyse(std::vector<const char*> args) {
  args.insert(args.begin(), "veltra");
  return analyse_ligne_commande(static_cast<int>(args.size()), args.data());
}

TEST(LigneCommande, GoodLines) {
  struct Cas {
    std::vector<const char*> args;
    tLigneCommande::tAction action;
    int largeur, hauteur, plein_ecran;
    const char *langue, *donnees;
    const char* replay = "";
  };
  using L = tLigneCommande;
  const Cas cas[] = {
      // One or three numbers are ignored, as they always were.
      {{}, L::JOUER, 0, 0, -1, "", ""},                  {{"1000", "700"}, L::JOUER, 1000, 700, -1, "", ""},
      {{"1000"}, L::JOUER, 0, 0, -1, "", ""},            {{"1", "2", "3"}, L::JOUER, 0, 0, -1, "", ""},
      {{"--size", "1280x720"}, L::JOUER, 1280, 720, -1, "", ""},
      {{"--size=1920X1080", "--fullscreen"}, L::JOUER, 1920, 1080, 1, "", ""},
      {{"--fullscreen", "--windowed"}, L::JOUER, 0, 0, 0, "", ""},
      {{"--lang", "fr", "--lang=en"}, L::JOUER, 0, 0, -1, "en", ""},
      {{"--data", "/srv/veltra", "640", "480"}, L::JOUER, 640, 480, -1, "", "/srv/veltra"},
      {{"--data=rel/dossier"}, L::JOUER, 0, 0, -1, "", "rel/dossier"},
      {{"--replay", "last.rpl", "800", "600"}, L::JOUER, 800, 600, -1, "", "", "last.rpl"},
      {{"--replay=/tmp/a b.rpl"}, L::JOUER, 0, 0, -1, "", "", "/tmp/a b.rpl"},
      {{"--version"}, L::VERSION, 0, 0, -1, "", ""},    {{"--version", "-h"}, L::AIDE, 0, 0, -1, "", ""},
      {{"--help", "--version"}, L::AIDE, 0, 0, -1, "", ""},
  };
  for (const Cas& c : cas) {
    const tLigneCommande l = analyse(c.args);
    SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end())));
    EXPECT_EQ(std::tie(l.action, l.taille_imposee, l.largeur, l.hauteur, l.plein_ecran),
              std::make_tuple(c.action, c.largeur != 0, c.largeur, c.hauteur, c.plein_ecran)) << l.erreur;
    EXPECT_EQ(std::tie(l.langue, l.donnees, l.replay), std::make_tuple(c.langue, c.donnees, c.replay));
  }
}

TEST(LigneCommande, BadLinesAreRefusedWithTheirReason) {
  struct Cas {
    std::vector<const char*> args;
    const char* raison;
  };
  const Cas cas[] = {
      {{"--vitesse"}, "unknown option --vitesse"},    {{"-x"}, "unknown option -x"},
      {{"--windowed=1"}, "takes no value"},           {{"--size"}, "needs a value"},
      {{"--size", "1280"}, "bad size '1280'"},        {{"--size", "x720"}, "bad size"},
      {{"--size", "1280x"}, "bad size"},              {{"--size", "0x600"}, "bad size"},
      {{"--size", "-800x600"}, "bad size"},           {{"--size", "99999x600"}, "bad size"},
      {{"--size", "12a0x720"}, "bad size"},           {{"--lang", "de"}, "bad language 'de'"},
      {{"--lang", "FR"}, "bad language"},             {{"--lang"}, "needs a value"},
      {{"--data="}, "needs a folder"},                {{"--replay"}, "needs a value"},
      {{"--replay="}, "needs a file"},                {{"800", "0"}, "bad window size"},
      {{"large", "700"}, "bad window size 'large 700'"},  // once a window 0 pixels wide
      {{"--help", "--vitesse"}, "unknown option"},
  };
  for (const Cas& c : cas) {
    const tLigneCommande l = analyse(c.args);
    SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end())));
    EXPECT_EQ(l.action, tLigneCommande::ERREUR);
    EXPECT_NE(l.erreur.find(c.raison), std::string::npos) << l.erreur;
  }
}

TEST(LigneCommande, UsageSaysWhereEachFileIs) {
  auto u =
      texte_usage({"/usr/share/veltra", "/home/ana/.config/veltra", "/home/ana/.local/share/veltra", false});
  for (const char* mot : {"--size WxH", "--lang fr|en", "--data DIR", "--replay FILE", "/usr/share/veltra/",
                          "/home/ana/.config/veltra/config.cfg", "/home/ana/.local/share/veltra/hiscores/",
                          "/home/ana/.local/share/veltra/objets/", "/home/ana/.local/share/veltra/replays/"})
    EXPECT_NE(u.find(mot), std::string::npos) << mot;
  u = texte_usage({"/jeux/veltra", "", ""});
  for (const char* attendu : {"/jeux/veltra/config.cfg", "/jeux/veltra/hiscores/"})
    EXPECT_NE(u.find(attendu), std::string::npos) << u;
}

}  // namespace
