// Entry point of the game.
#include <allegro.h>

#include <cstdio>

#include "app/demarrage.h"
#include "app/ligne_commande.h"
#include "common/replay.h"

int main(int argc, char** argv) {
  const tLigneCommande ligne = analyse_ligne_commande(argc, argv);
  if (ligne.action == tLigneCommande::VERSION) {
    std::printf("veltra %s\n", VELTRA_VERSION);
    return 0;
  }
  // A bad command line stops here, before anything is made or written.
  const tDossiers d = dossiers_du_jeu(ligne.donnees);
  if (ligne.action == tLigneCommande::ERREUR) {
    std::fprintf(stderr, "veltra: %s\n\n%s", ligne.erreur.c_str(), texte_usage(d).c_str());
    return 2;
  }
  if (!ligne.donnees.empty() && !d.donnees_trouvees) {
    std::fprintf(stderr, "veltra: no game data in %s\n\n%s", d.donnees.c_str(), texte_usage(d).c_str());
    return 2;
  }
  if (ligne.action == tLigneCommande::AIDE) {
    std::fputs(texte_usage(d).c_str(), stdout);
    return 0;
  }
  // A replay is read from where the program was started, before the data folder is entered.
  tReplay replay;
  if (!ligne.replay.empty()) {
    std::string erreur;
    if (!charge_replay(ligne.replay, &replay, &erreur)) {
      std::fprintf(stderr, "veltra: %s\n", erreur.c_str());
      return 2;
    }
  }
  if (!entre_dans_dossiers(d)) std::fprintf(stderr, "veltra: cannot enter the data folder %s\n", d.donnees.c_str());
  return lance_jeu(argc, argv, ligne.replay.empty() ? nullptr : &replay);
}
END_OF_MAIN()
