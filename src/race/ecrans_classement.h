// Classification screens: the table over the race scene while the camera circles it.
#pragma once

// Single race: the circuit's hiscores. With `revoir`, the screen offers "R : Revoir" / "R :
// Replay" and returns true when R ended it.
bool ecran_classement_simple(bool revoir = false);
// After championship race `course` (1 to 5): the standings.
void ecran_classement_course(int course);
// End of the championship: its hiscores.
void ecran_classement_championnat();
