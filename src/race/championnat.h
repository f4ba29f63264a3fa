// What follows a championship race: its scoring, the next circuit, the championship's hiscores.
#pragma once

// True once every pilot has an arrival place.
bool tous_arrives();

// What follows a championship race (the scoring and the hiscore update are done here). `podium`
// is what MainLoop said; it counts only when every pilot has an arrival place.
enum { CHAMP_CLASSEMENT_COURSE = 1, CHAMP_HISCORES = 2, CHAMP_CONTINUE = 4 };
int fin_course_championnat(bool podium);
