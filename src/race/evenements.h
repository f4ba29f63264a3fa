// The two race events of the main menu, with their dialogs and classification screens.
#pragma once

void MENU_Single_Race();
void MENU_ShampionShip();
