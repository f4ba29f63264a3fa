// Whole-degree cosine and sine tables: every angle of the game logic is read from these.
#pragma once

// Row 0 cosine, row 1 sine, for every whole degree 0..360 inclusive.
extern float cosin[2][361];

void init_cosin();
// The angle is brought into 0..360 by whole turns; 360 itself is looked up, not folded to 0.
float cosinus(int degres);
float sinus(int degres);
