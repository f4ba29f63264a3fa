// Classification screens: the table over the race scene while the camera circles it.
#pragma once

// Single race: the circuit's hiscores.
void ecran_classement_simple();
// After championship race `course` (1 to 5): the standings.
void ecran_classement_course(int course);
// End of the championship: its hiscores.
void ecran_classement_championnat();
