// Start-up and shutdown sequences of the game, in their fixed order.
#include "app/demarrage.h"

#include <allegro.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/ecran.h"
#include "app/ligne_commande.h"
#include "app/principal.h"
#include "audio/son.h"
#include "common/globals.h"
#include "math/degres.h"
#include "objects/cpu.h"
#include "objects/humain.h"
#include "race/classement.h"
#include "app/parties.h"
#include "ui/avis_fichiers.h"
#include "ui/controle.h"
#include "ui/texte3d.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/modeles.h"

namespace {

// Every pilot owns a paused engine, boost and slide channel.
void sons_pilote(CObjJoueur* p) {
  p->SetSonMoteur(SON_MOTEUR);
  p->StopMoteur();
  p->SetSonBoost(SON_BOOST);
  p->StopBoost();
  p->SetSonSlide(SON_SLIDE);
  p->StopSlide();
}

// Arrivals go to the standard output, one line each: the race's log.
void rapporte_arrivee(int place, const CObjJoueur* pilote, const tTemps& t) {
  std::printf("veltra: arrival %d %s%s %02d:%02d:%02d\n", place, pilote->GetNom(),
              pilote == Joueurs[JOUEUR_HUMAIN] ? " (player)" : "", t.minutes, t.secondes, t.soixantiemes);
  std::fflush(stdout);
}

void cree_pilotes() {
  for (int i = 0; i < NB_PILOTES_CPU; i++) Joueurs[i] = new CJoueurCPU;
  Joueurs[JOUEUR_HUMAIN] = new CJoueurHumain;
  for (int k = 1; k <= NB_PILOTES_CPU; k++) {
    char nom[TAILLE_NOM];
    lit_nom_cpu(k, nom);
    Joueurs[k - 1]->SetNom(nom);
    sons_pilote(Joueurs[k - 1]);
  }
  lit_nom_joueur();
  sons_pilote(Joueurs[JOUEUR_HUMAIN]);
}

// False when a model file is missing: the player has been told, and the game cannot go on.
bool charge_modeles() {
  if (!signale_modeles(charge_mesh_joueurs())) return false;
  t3DModel* vaisseaux[NB_JOUEURS] = {&Joueur_2, &Joueur_3, &Joueur_4, &Joueur_5, &Joueur_6, &Joueur_1};
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i]->Set3Dobj(vaisseaux[i]);
  return signale_modeles(charge_mesh_deco()) && signale_modeles(charge_mesh_bonus());
}

// The folder holding the program (links followed), or empty when it cannot be found.
std::string dossier_programme() {
  char chemin[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
  if (n <= 0) return std::string();
  chemin[n] = '\0';
  std::string dossier(chemin);
  const size_t barre = dossier.rfind('/');
  if (barre == std::string::npos) return std::string();
  dossier.resize(barre == 0 ? 1 : barre);
  return dossier;
}

}  // namespace

tDossiers dossiers_du_jeu(const std::string& donnees_imposees) {
  const std::string programme = dossier_programme();
  std::string imposees = donnees_imposees;
  if (!imposees.empty()) imposees = std::filesystem::absolute(imposees).lexically_normal().string();
  while (imposees.size() > 1 && imposees.back() == '/') imposees.pop_back();
  // An installed game keeps its data in share/veltra beside bin/, wherever the prefix was moved.
  const std::vector<std::string> installees = {
      (std::filesystem::path(programme) / VELTRA_DONNEES_RELATIVES).lexically_normal().string(),
      VELTRA_DONNEES_INSTALLEES};
  return choisit_dossiers(programme, imposees, installees, systeme_reel());
}

bool entre_dans_dossiers(const tDossiers& d) {
  fixe_dossiers(d);
  return !d.donnees.empty() && chdir(d.donnees.c_str()) == 0;
}

void lit_ligne_commande(int argc, char** argv) { applique_ligne_commande(analyse_ligne_commande(argc, argv)); }

bool demarre_sons_controles_police() {
  Init_son();  // without sound the game goes on silently
  lit_config_volumes();
  Charge_sons();
  lit_config_touches();
  cree_controle(lit_config_type_controle());
  init_globales();
  init_cosin();
  if (!signale_modeles(charge_police())) return false;
  Texte.init(&Police, 255, 123, 51, 255);
  Texte.set_orgba(250, 200, 200, 150);
  Texte.set_trgba(255, 13, 0, 255);
  return true;
}

int lance_jeu(int argc, char** argv, const tReplay* replay) {
  lit_ligne_commande(argc, argv);

  // Without a screen there is nothing to play on: stop after the message box.
  if (Init_alleggl() != 1) {
    allegro_exit();
    return 1;
  }
  // A missing model file ends the game with code 1 once the player has read its message.
  if (!demarre_sons_controles_police()) return 1;
  cree_pilotes();
  if (!charge_modeles()) return 1;
  g_RapportArrivee = rapporte_arrivee;

  if (replay) {
    const bool vu = joue_replay(*replay);
    return arrete_jeu() && vu ? 0 : 1;
  }
  principal();

  ecrit_type_jeu();
  return arrete_jeu() ? 0 : 1;
}

bool arrete_jeu() {
  Effacement_liste_deco();
  destroy_bonus();
  destroy_deco();
  destroy_mesh_joueurs();
  for (int i = NB_JOUEURS - 1; i >= 0; i--) {
    delete Joueurs[i];
    Joueurs[i] = nullptr;
  }
  destroy_police();
  destroy_materiaux();
  delete controle;
  controle = nullptr;
  Delete_sons();
  if (Ferme_son() != SON_OK) return false;
  if (Libere_son() != SON_OK) return false;
  deInit();
  return true;
}
