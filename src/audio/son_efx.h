// OpenAL EFX entry points (filters, effects, effect slots), looked up once per context, and the
// conversion of classic reverb records to EFX reverb properties.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/efx-presets.h>
#include <AL/efx.h>

#include "audio/son_api.h"

namespace son_detail {

using ProprietesEfx = EFXEAXREVERBPROPERTIES;

struct Efx {
  LPALGENFILTERS GenFilters = nullptr;
  LPALDELETEFILTERS DeleteFilters = nullptr;
  LPALFILTERI Filteri = nullptr;
  LPALFILTERF Filterf = nullptr;
  LPALGENEFFECTS GenEffects = nullptr;
  LPALDELETEEFFECTS DeleteEffects = nullptr;
  LPALEFFECTI Effecti = nullptr;
  LPALEFFECTF Effectf = nullptr;
  LPALEFFECTFV Effectfv = nullptr;
  LPALGENAUXILIARYEFFECTSLOTS GenAuxiliaryEffectSlots = nullptr;
  LPALDELETEAUXILIARYEFFECTSLOTS DeleteAuxiliaryEffectSlots = nullptr;
  LPALAUXILIARYEFFECTSLOTI AuxiliaryEffectSloti = nullptr;
  LPALAUXILIARYEFFECTSLOTF AuxiliaryEffectSlotf = nullptr;
};

// Fills `efx` for the current context; false when the device has no EFX.
bool charge_efx(ALCdevice* device, Efx& efx);
extern Efx g_efx;

// Classic record (millibels, percent) to EFX reverb properties.
ProprietesEfx efx_depuis_classique(const SonProprietesReverb& p);
// The named preset, or false when the name is unknown.
bool preset_reverb(const char* nom, ProprietesEfx& out);
// Linear mix: a*(1-t) + b*t, field by field.
ProprietesEfx melange_reverb(const ProprietesEfx& a, const ProprietesEfx& b, float t);
// Loads the properties into an EAX reverb effect object.
void applique_efx(ALuint effet, const ProprietesEfx& p);

}  // namespace son_detail
