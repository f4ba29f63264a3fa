// Where the game's files live: its data, read only, and the files it writes (config.cfg, the
// hiscores, the circuit files saved by the editors).
//
// A portable game (its data beside the program, in a folder it may write to) keeps everything
// beside the program, as the build folder does. Otherwise the configuration goes to
// $XDG_CONFIG_HOME/veltra and the rest to $XDG_DATA_HOME/veltra, with the same layout as the data
// folder (hiscores/, objets/); the folders are made when something is first written there.
//
// The game works from its data folder, so data paths stay relative ("./objets/kan_1.3ds"). Paths
// of written files go through chemin_utilisateur / chemin_ecriture; a circuit file that the
// editors may have saved is read through chemin_lecture, which prefers the player's copy.
#pragma once

#include <functional>
#include <string>
#include <vector>

// What the choice of folders asks of the machine, so that it can be tried on any case.
struct tSysteme {
  std::function<std::string(const char*)> variable;      // environment variable, "" when unset
  std::function<bool(const std::string&)> a_donnees;     // the folder holds the game's data
  std::function<bool(const std::string&)> inscriptible;  // the program may create files there
};

struct tDossiers {
  std::string donnees;      // the data folder, where the game works from
  std::string config;       // folder of config.cfg; empty: the data folder itself
  std::string utilisateur;  // folder of the hiscores and saved circuit files; empty: the data folder
  bool portable = true;     // written files beside the program
  bool donnees_trouvees = true;
};

// The folders for a program in `programme` (absolute). `imposees` is the data folder given on the
// command line (empty when none); `installees` the data folders of an installed game, tried in
// order. Without data anywhere the program's folder is kept, and the loaders say what is missing.
tDossiers choisit_dossiers(const std::string& programme, const std::string& imposees,
                           const std::vector<std::string>& installees, const tSysteme& sys);

// The machine itself: environment, the "objets" folder as the mark of game data, write access.
tSysteme systeme_reel();

// The folders in force; until set, everything is in the current folder.
void fixe_dossiers(const tDossiers& d);
const tDossiers& dossiers();

// config.cfg in force.
const char* fichier_config();
// A written file, from its path relative to the data folder ("./hiscores/s_1_5.dat").
std::string chemin_utilisateur(const std::string& relatif);
// The same, after making the folders it goes in; for a path about to be written.
std::string chemin_ecriture(const std::string& relatif);
// A circuit file: the player's saved copy when there is one, else the game's own.
std::string chemin_lecture(const std::string& relatif);
// Makes folder `dossier` and the folders above it as needed. False when it cannot be made.
bool cree_dossier(const std::string& dossier);
