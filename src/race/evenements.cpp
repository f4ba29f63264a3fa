// Single race and championship: their dialogs, races, scoring and hiscores.
#include "race/evenements.h"

#include <allegro.h>

#include <cstring>

#include "common/globals.h"
#include "objects/joueur.h"
#include "race/boucle.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/ecrans_classement.h"
#include "race/evenement.h"
#include "race/hiscores.h"
#include "race/replays.h"
#include "race/revoir.h"
#include "ui/menus.h"
#include "world/monde.h"
#include "world/trajectoire.h"

namespace {

// The event dialog; returns the identifier that closed it (10 play, the exit id to leave).
int dialogue_evenement(bool championnat, int* choix, int* max, int id_sortie) {
  CDialogue d;
  prepare_dialogue(d);
  char copie_nom_joueur[TAILLE_NOM];
  copie_nom(copie_nom_joueur, NOM_JOUEUR);
  char* saisie = copie_nom_joueur;
  float y = 1.0f;
  const CVector3 p(0, y, -2);
  d.AddTitre(championnat ? texte_langue("Championnat", "ShampionShip") : texte_langue("Course simple", "Single Race"),
             p, 2);
  d.AddClick(texte_langue("Jouer", "Play"), CVector3(0, y -= 0.5f, -2), 2, 10);
  d.AddChoixNum(championnat ? texte_langue("Championnat ", "ShampionShip ") : "Stage ", CVector3(0, y -= 0.5f, -2), 2,
                0, choix, max);
  d.AddSaisieBouton(texte_langue("Nom :", "Name :"), CVector3(0, y -= 0.5f, -2), 2, 9, &saisie);
  d.AddClick(texte_langue("Sortie", "Exit"), CVector3(0, y -= 0.5f, -2), 2, id_sortie);
  clear_color_menu();
  d.OuvertureDialogueZoom();
  int r;
  while ((r = execute_dialogue(d)) == 9) {
    copie_nom(NOM_JOUEUR, saisie);
    set_config_string("Game", "Nom_Player", NOM_JOUEUR);
  }
  d.FermetureDialogueZoom();
  return r;
}

bool tous_arrives() {
  for (CObjJoueur* a : tab_arrive) {
    if (!a) return false;
  }
  return true;
}

// A circuit number the single race can load.
void borne_circuit() {
  if (NB_LEVELS >= 1 && (LEVEL_ACTIF < 1 || LEVEL_ACTIF > NB_LEVELS)) LEVEL_ACTIF = LEVEL_ACTIF < 1 ? 1 : NB_LEVELS;
}

}  // namespace

int fin_course_championnat(bool podium) {
  // Only a race run to its confirmed end is scored: all six arrived. One that stopped early is
  // neither a podium nor a reason to go on to the next circuit.
  podium = podium && tous_arrives();
  int suite = 0;
  if (podium) {
    score_course_championnat();
    classement_championnat();
    suite |= CHAMP_CLASSEMENT_COURSE;
  }
  LEVEL_ACTIF++;
  const bool fin = LEVEL_ACTIF > 5;
  // The last race counts for the hiscores once everybody arrived, even off the podium: its
  // standings rows then stay empty.
  if (fin && tous_arrives()) {
    maj_hiscores_championnat(NOMBRE_TOURS * LONGUEUR_CHAMPIONNAT);
    suite |= CHAMP_HISCORES;
  }
  if (podium && !fin) suite |= CHAMP_CONTINUE;
  return suite;
}

void MENU_Single_Race() {
  borne_circuit();
  for (;;) {
    const int r = dialogue_evenement(false, &LEVEL_ACTIF, &NB_LEVELS, 12);
    if (r != 10) break;
    borne_circuit();
    if (!charge_course_jeu(graine_horloge())) break;
    place_grille(Joueurs);
    attend_pret();
    if (MainLoop() == 1 && tous_arrives()) {
      maj_hiscores_simple(NOMBRE_TOURS * LONGUEUR_CIRCUIT);
      // The race just run may be watched again, as often as wished, before going back.
      const tReplay* replay = dernier_replay();
      while (ecran_classement_simple(replay != nullptr)) revoit_course(*replay);
    }
    libere_rendu_monde();
    libere_course();
    break;
  }
  set_config_int("Game", "Level_actif", LEVEL_ACTIF);
}

void MENU_ShampionShip() {
  std::memset(CLASSEMENT_NOM_CHAMP, 0, sizeof CLASSEMENT_NOM_CHAMP);
  std::memset(CLASSEMENTS_POINTS_CHAMP, 0, sizeof CLASSEMENTS_POINTS_CHAMP);
  for (auto& c : LISTE_CHAMP) c = tCompteChamp();
  const int r = dialogue_evenement(true, &CHAMPIONNAT_ACTIF, &NB_CHAMPIONNAT, 20);
  if (r != 10) return;

  LONGUEUR_CHAMPIONNAT = 0;
  LEVEL_ACTIF = 1;
  for (int i = 0; i < NB_JOUEURS; i++) tab_arrive[i] = Joueurs[i];
  CObjJoueur* grille[NB_JOUEURS];
  for (;;) {
    std::memset(CLASSEMENTS_POINTS, 0, sizeof CLASSEMENTS_POINTS);
    std::memset(CLASSEMENT_LITE, 0, sizeof CLASSEMENT_LITE);
    clear_color_menu();
    // The grid of a race is the order of arrival of the previous one.
    for (int i = 0; i < NB_JOUEURS; i++) grille[i] = tab_arrive[i] ? tab_arrive[i] : Joueurs[i];
    // A circuit that cannot be raced ends the championship unscored.
    if (!charge_course_jeu(graine_horloge())) break;
    place_grille(grille);
    attend_pret();
    const bool podium = MainLoop() == 1;
    const int suite = fin_course_championnat(podium);
    // LEVEL_ACTIF already names the next circuit here.
    if (suite & CHAMP_CLASSEMENT_COURSE) ecran_classement_course(LEVEL_ACTIF - 1);
    if (suite & CHAMP_HISCORES) ecran_classement_championnat();
    libere_rendu_monde();
    libere_course();
    if (!(suite & CHAMP_CONTINUE)) break;
  }
  // Back to a circuit the single race offers.
  if (NB_LEVELS >= 1 && LEVEL_ACTIF > NB_LEVELS) LEVEL_ACTIF = NB_LEVELS;
}
