// The render output: the system's mix produced on request into the caller's buffer, for captures
// that follow the game's steps instead of the clock.
#include <AL/alext.h>

#include "audio/son_interne.h"

using namespace son_detail;

int son_systeme_rendu(HSysteme h, float* sortie, int trames) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  if (!sortie || trames < 0) return SON_ERR_PARAMETRE;
  if (!s->rendu) return SON_ERR_PERIPHERIQUE;  // a device or the null output mixes by itself
  auto rendu = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(s->device, "alcRenderSamplesSOFT"));
  if (!rendu) return SON_ERR_PERIPHERIQUE;
  if (trames > 0) rendu(s->device, sortie, trames);
  return SON_OK;
}
