// Surface classes of model objects, given from the first letter of their names at load time.
#pragma once

enum {
  // Bonus and ship models: an object named 'A...' glows (added on at half strength).
  SURFACE_OPAQUE = 0,
  SURFACE_BRILLANTE = 1,
  // Circuit objects.
  SURFACE_RAPIDE = 3,  // 'R' road
  SURFACE_LENTE = 7,   // 'G' slowing ground
  SURFACE_SOL = 15,    // 'L' other ground
  SURFACE_DECOR = 16,  // anything else: only the camera touches it
  SURFACE_MUR = 31,    // 'D' wall
};

// The classes a ship can stand on.
inline bool est_sol(unsigned char classe) {
  return classe == SURFACE_RAPIDE || classe == SURFACE_LENTE || classe == SURFACE_SOL;
}
