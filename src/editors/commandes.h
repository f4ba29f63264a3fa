// Key commands of the three editing modes, one call per step. They draw nothing; each does
// nothing that needs a current object while its list is empty.
#pragma once

// Racing line: F8 debug overlay, Insert, Delete, F2 save, Tab, keypad moves.
void CommandesTraj();
// Decorations: Insert, Delete, F2, Tab, keypad moves, turns, scale, F5/F6 type.
void CommandesDeco();
// Sound environment: the current element's own table.
void CommandesOcclu();   // occlusion polygon
void CommandesReverb();  // reverb zone
// Calls the table of the current element's type.
void CommandesEffetSon();
