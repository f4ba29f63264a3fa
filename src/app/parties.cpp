// Single race and championship: their dialogs, races, editing modes, scoring and hiscores.
#include "app/parties.h"

#include <allegro.h>

#include <cstdlib>
#include <cstring>

#include "audio/son.h"
#include "common/globals.h"
#include "editors/editeurs.h"
#include "objects/joueur.h"
#include "race/boucle.h"
#include "race/championnat.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/ecrans_classement.h"
#include "race/evenement.h"
#include "race/hiscores.h"
#include "race/rendu_course.h"
#include "race/replays.h"
#include "race/revoir.h"
#include "ui/avis_fichiers.h"
#include "ui/menus.h"
#include "world/camera.h"
#include "world/monde.h"
#include "world/trajectoire.h"

int dialogue_evenement(const char* titre, const char* choix_libelle, int* choix, int* max, int id_sortie) {
  CDialogue d;
  prepare_dialogue(d);
  char copie_nom_joueur[TAILLE_NOM];
  copie_nom(copie_nom_joueur, NOM_JOUEUR);
  char* saisie = copie_nom_joueur;
  float y = 1.0f;
  const CVector3 p(0, y, -2);
  d.AddTitre(titre, p, 2);
  d.AddClick(texte_langue("Jouer", "Play"), CVector3(0, y -= 0.5f, -2), 2, 10);
  d.AddChoixNum(choix_libelle, CVector3(0, y -= 0.5f, -2), 2, 0, choix, max);
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

void borne_circuit() {
  if (NB_LEVELS >= 1 && (LEVEL_ACTIF < 1 || LEVEL_ACTIF > NB_LEVELS)) LEVEL_ACTIF = LEVEL_ACTIF < 1 ? 1 : NB_LEVELS;
}

bool charge_course_jeu(uint32_t graine) {
  const tChargeCourse r = charge_course(message, graine);
  if (r.deco_par_defaut) signale_deco_par_defaut(r.decos_par_defaut);
  if (!signale_modeles(r.modeles)) std::exit(1);
  if (r.trajectoire_courte) {
    dialogue_course_impossible(LEVEL_ACTIF);
    return false;
  }
  if (r.effetSons_par_defaut) signale_effetSons_par_defaut(r.effetSons_crees);
  // The circuit's textures, vertex buffers and fog, once it is loaded.
  if (r.pret) prepare_rendu_monde();
  return r.pret;
}

void attend_pret() {
  // Keys pressed before the prompt are forgotten first: a player who answers as soon as the
  // prompt shows must not have the key cleared away after it.
  clear_keybuf();
  message(texte_langue("Pret ?", "Ready ?"));
  if (son_joue(g_SystemeSon, SON_PRET, false, &channel) == SON_OK) son_canal_set_volume(channel, VOLUME_SONS);
  while (!keypressed()) rest(1);
  clear_keybuf();
}

int course_ou_editeur() {
  const int fin = MainLoop();
  if (!fin_vers_editeur(fin)) return fin;
  lance_editeur(fin);
  return FIN_HORS_PODIUM;
}

void MENU_Single_Race() {
  borne_circuit();
  for (;;) {
    const int r = dialogue_evenement(texte_langue("Course simple", "Single Race"), "Stage ", &LEVEL_ACTIF, &NB_LEVELS, 12);
    if (r != 10) break;
    borne_circuit();
    if (!charge_course_jeu(graine_horloge())) break;
    place_grille(Joueurs);
    attend_pret();
    if (course_ou_editeur() == FIN_PODIUM && tous_arrives()) {
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
  const int r = dialogue_evenement(texte_langue("Championnat", "ShampionShip"), texte_langue("Championnat ", "ShampionShip "),
                                   &CHAMPIONNAT_ACTIF, &NB_CHAMPIONNAT, 20);
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
    const bool podium = course_ou_editeur() == FIN_PODIUM;
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

bool joue_replay(const tReplay& r) {
  // Straight from the start-up, the camera has not been set up by the menus yet.
  g_Camera.PositionCamera(30, 10, 65, -50, 10, 35, 0, 1, 0);
  const int circuit = LEVEL_ACTIF;
  LEVEL_ACTIF = r.circuit;
  const bool pret = charge_course_jeu(r.graine);
  if (pret) {
    revoit_course(r);
    libere_rendu_monde();
    libere_course();
  }
  LEVEL_ACTIF = circuit;
  return pret;
}
