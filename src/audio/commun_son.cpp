// What every implementation of the sound API shares: the mode rule and the two reverb settings
// the game names itself.
#include "audio/son_api.h"

unsigned son_mode_combine(unsigned ancien, unsigned nouveau) {
  unsigned m = ancien;
  if (nouveau & (SON_MODE_BOUCLE | SON_MODE_BOUCLE_OFF))
    m = (m & ~(SON_MODE_BOUCLE | SON_MODE_BOUCLE_OFF)) | (nouveau & (SON_MODE_BOUCLE | SON_MODE_BOUCLE_OFF));
  if (nouveau & (SON_MODE_2D | SON_MODE_3D))
    m = (m & ~(SON_MODE_2D | SON_MODE_3D)) | (nouveau & (SON_MODE_2D | SON_MODE_3D));
  m |= nouveau & SON_MODE_LOGICIEL;
  return m;
}

const SonProprietesReverb SON_REVERB_AUCUNE = {0,     -1,    7.5f,   1.0f,      -10000, -10000, 0,         1.00f, 1.00f,
                                               1.0f,  -2602, 0.007f, {0, 0, 0}, 200,    0.011f, {0, 0, 0}, 0.25f, 0.0f,
                                               0.25f, 0.0f,  -5.0f,  5000.0f,   250.0f, 0.0f,   0.0f,      0.0f,  0x33};

const SonProprietesReverb SON_REVERB_CARPETEDHALLWAY = {
    0,      11,        1.9f,  1.0f, -1000, -4000, 0,     0.30f,   0.10f,  1.0f, -1831,  0.002f, {0, 0, 0}, -1630,
    0.030f, {0, 0, 0}, 0.25f, 0.0f, 0.25f, 0.0f,  -5.0f, 5000.0f, 250.0f, 0.0f, 100.0f, 100.0f, 0x3f};
