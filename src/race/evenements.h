// The two race events of the main menu, with their dialogs and classification screens.
#pragma once

void MENU_Single_Race();
void MENU_ShampionShip();

// What follows a championship race (the scoring and the hiscore update are done here). `podium`
// is what MainLoop said; it counts only when every pilot has an arrival place.
enum { CHAMP_CLASSEMENT_COURSE = 1, CHAMP_HISCORES = 2, CHAMP_CONTINUE = 4 };
int fin_course_championnat(bool podium);
