// Scatters the pick-ups of a race over the track, lets them settle on the circuit and hangs each
// one on a point of the racing line so that the computer pilots can detour for it.
#pragma once

constexpr int NB_BONUS_PLACES = 7;
constexpr float ECART_BONUS_MIN = 100;      // least distance between two pick-ups, in XZ
constexpr int ESSAIS_PLACEMENT_MAX = 200000;  // random points tried before giving up
constexpr int PASSES_CHUTE_MAX = 600;       // settling passes (steps of fall) at most

// Needs g_Minimap, g_Octree with g_World, and the racing line loaded.
void charge_positions_bonus();
// The racing-line links alone (done by charge_positions_bonus): each pick-up on one point,
// with the distances the pilots use.
void lie_bonus_trajectoire();
