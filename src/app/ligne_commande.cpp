// Command-line options of the game.
#include "app/ligne_commande.h"

#include <cstring>

#include "app/config.h"
#include "common/globals.h"

namespace {

constexpr int TAILLE_MAX = 16384;

// A size in pixels: decimal digits only, 1 to TAILLE_MAX.
bool nombre_pixels(const std::string& texte, int* valeur) {
  if (texte.empty() || texte.size() > 5) return false;
  int v = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < 1 || v > TAILLE_MAX) return false;
  *valeur = v;
  return true;
}

bool taille(const std::string& texte, int* largeur, int* hauteur) {
  const size_t x = texte.find_first_of("xX");
  return x != std::string::npos && nombre_pixels(texte.substr(0, x), largeur) &&
         nombre_pixels(texte.substr(x + 1), hauteur);
}

tLigneCommande erreur(const std::string& message) {
  tLigneCommande l;
  l.action = tLigneCommande::ERREUR;
  l.erreur = message;
  return l;
}

}  // namespace

tLigneCommande analyse_ligne_commande(int argc, const char* const* argv) {
  tLigneCommande l;
  std::string positionnels[3];
  int nb_positionnels = 0;
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    if (arg.size() < 2 || arg[0] != '-') {
      if (nb_positionnels < 3) positionnels[nb_positionnels] = arg;
      nb_positionnels++;
      continue;
    }
    // "--option=value" or "--option value".
    std::string valeur;
    bool a_valeur = false;
    const size_t egal = arg.find('=');
    if (arg.compare(0, 2, "--") == 0 && egal != std::string::npos) {
      valeur = arg.substr(egal + 1);
      arg.resize(egal);
      a_valeur = true;
    }
    const bool veut_valeur = arg == "--size" || arg == "--lang" || arg == "--data" || arg == "--replay";
    if (veut_valeur && !a_valeur) {
      if (i + 1 >= argc) return erreur("option " + arg + " needs a value");
      valeur = argv[++i];
    } else if (!veut_valeur && a_valeur) {
      return erreur("option " + arg + " takes no value");
    }
    if (arg == "-h" || arg == "--help") {
      l.action = tLigneCommande::AIDE;
    } else if (arg == "--version") {
      if (l.action != tLigneCommande::AIDE) l.action = tLigneCommande::VERSION;
    } else if (arg == "--windowed") {
      l.plein_ecran = 0;
    } else if (arg == "--fullscreen") {
      l.plein_ecran = 1;
    } else if (arg == "--size") {
      if (!taille(valeur, &l.largeur, &l.hauteur)) return erreur("bad size '" + valeur + "' (expected WxH, e.g. 1280x720)");
      l.taille_imposee = true;
    } else if (arg == "--lang") {
      if (valeur != "fr" && valeur != "en") return erreur("bad language '" + valeur + "' (fr or en)");
      l.langue = valeur;
    } else if (arg == "--data") {
      if (valeur.empty()) return erreur("option --data needs a folder");
      l.donnees = valeur;
    } else if (arg == "--replay") {
      if (valeur.empty()) return erreur("option --replay needs a file");
      l.replay = valeur;
    } else {
      return erreur("unknown option " + arg);
    }
  }
  if (nb_positionnels == 2) {
    if (!nombre_pixels(positionnels[0], &l.largeur) || !nombre_pixels(positionnels[1], &l.hauteur))
      return erreur("bad window size '" + positionnels[0] + " " + positionnels[1] + "'");
    l.taille_imposee = true;
  }
  return l;
}

std::string texte_usage(const tDossiers& d) {
  const std::string config = (d.config.empty() ? d.donnees : d.config) + "/config.cfg";
  const std::string perso = d.utilisateur.empty() ? d.donnees : d.utilisateur;
  std::string t =
      "Usage: veltra [OPTION]... [WIDTH HEIGHT]\n"
      "Race hover ships against five computer pilots.\n"
      "\n"
      "  -h, --help         print this help and exit\n"
      "      --version      print the version and exit\n"
      "      --windowed     play in a window\n"
      "      --fullscreen   play full screen\n"
      "      --size WxH     a window of W x H pixels, e.g. 1280x720 (full screen with --fullscreen)\n"
      "      --lang fr|en   texts in French or in English\n"
      "      --data DIR     read the game's data from DIR\n"
      "      --replay FILE  watch the race recorded in FILE (C or Tab: next pilot, Escape: quit)\n"
      "  WIDTH HEIGHT       a window of that size (as --size WIDTHxHEIGHT)\n"
      "These choices hold for this run; the Options menu keeps its own in config.cfg.\n"
      "\n"
      "Files:\n"
      "  data, read:              " + d.donnees + "/\n"
      "  settings:                " + config + "\n"
      "  hiscores:                " + perso + "/hiscores/\n"
      "  replays (last.rpl, best_CIRCUIT_LAPS.rpl):\n"
      "                           " + perso + "/replays/\n"
      "  circuits saved by the editors (traj_C.dat, deco_C.dat, efson_C.dat):\n"
      "                           " + perso + "/objets/\n";
  if (!d.portable) t += "  A circuit file saved there is read before the game's own.\n";
  return t;
}

void applique_ligne_commande(const tLigneCommande& l) {
  if (l.taille_imposee) {
    SUPER_SCREEN_WIDTH = l.largeur;
    SUPER_SCREEN_HEIGHT = l.hauteur;
    FORCE_SCREEN = 1;
  }
  FORCE_PLEIN_ECRAN = l.plein_ecran;
  std::strncpy(LANGUE_IMPOSEE, l.langue.c_str(), TAILLE_NOM - 1);
  LANGUE_IMPOSEE[TAILLE_NOM - 1] = '\0';
}
