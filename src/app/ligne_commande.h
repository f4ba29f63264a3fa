// The program's command line: options, their checks and the usage text. Nothing here touches the
// machine: main() decides what to print, what to start and with which exit code.
//
//   veltra                       the configured screen
//   veltra 1000 700              a 1000 x 700 window, whatever config.cfg says
//   veltra --size 1280x720 --fullscreen --lang en --data /srv/veltra
//   veltra --replay replays/last.rpl   watches a recorded race, then quits
#pragma once

#include <string>

#include "common/chemins.h"

struct tLigneCommande {
  enum tAction { JOUER, AIDE, VERSION, ERREUR };
  tAction action = JOUER;
  bool taille_imposee = false;  // --size, or two numbers
  int largeur = 0, hauteur = 0;
  int plein_ecran = -1;         // -1 as configured, 0 --windowed, 1 --fullscreen
  std::string langue;           // "fr", "en", or empty: as configured
  std::string donnees;          // --data, or empty
  std::string replay;           // --replay, or empty
  std::string erreur;           // what was wrong, for ERREUR
};

// Reads the arguments after the program's name. Options may be written "--size 800x600" or
// "--size=800x600". Two arguments that are not options are a window size, as they always were;
// one or three of them are ignored.
tLigneCommande analyse_ligne_commande(int argc, const char* const* argv);

// The usage: options, and the files the game reads and writes in the folders `d`.
std::string texte_usage(const tDossiers& d);

// Makes the choices of the command line those of this run (screen size and mode, language);
// config.cfg keeps its own.
void applique_ligne_commande(const tLigneCommande& l);
