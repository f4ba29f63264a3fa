// The time trial of the main menu: its dialog, the run against the ghost, records and table.
#pragma once

void MENU_Contre_la_montre();
