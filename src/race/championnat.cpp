// Championship scoring after each race.
#include "race/championnat.h"

#include "common/globals.h"
#include "objects/joueur.h"
#include "race/classement.h"
#include "race/hiscores.h"
#include "world/trajectoire.h"

bool tous_arrives() {
  for (CObjJoueur* a : tab_arrive) {
    if (!a) return false;
  }
  return true;
}

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
