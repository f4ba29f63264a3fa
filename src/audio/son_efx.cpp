// EFX entry points, reverb presets by name, and conversions between reverb records.
#include "audio/son_efx.h"

#include <cmath>
#include <cstring>

namespace son_detail {

Efx g_efx;

namespace {

template <class F>
bool cherche(F& f, const char* nom) {
  f = reinterpret_cast<F>(alGetProcAddress(nom));
  return f != nullptr;
}

float gain_mb(int mb) { return std::pow(10.0f, static_cast<float>(mb) / 2000.0f); }

struct PresetNomme {
  const char* nom;
  ProprietesEfx prop;
};

const PresetNomme k_presets[] = {
    {"GENERIC", EFX_REVERB_PRESET_GENERIC},
    {"BATHROOM", EFX_REVERB_PRESET_BATHROOM},
    {"STONEROOM", EFX_REVERB_PRESET_STONEROOM},
    {"CAVE", EFX_REVERB_PRESET_CAVE},
    {"HANGAR", EFX_REVERB_PRESET_HANGAR},
    {"SEWERPIPE", EFX_REVERB_PRESET_SEWERPIPE},
    {"STONECORRIDOR", EFX_REVERB_PRESET_STONECORRIDOR},
    {"CARPETEDHALLWAY", EFX_REVERB_PRESET_CARPETEDHALLWAY},
    {"HALLWAY", EFX_REVERB_PRESET_HALLWAY},
    {"AUDITORIUM", EFX_REVERB_PRESET_AUDITORIUM},
    {"CONCERTHALL", EFX_REVERB_PRESET_CONCERTHALL},
    {"ARENA", EFX_REVERB_PRESET_ARENA},
    {"ALLEY", EFX_REVERB_PRESET_ALLEY},
    {"FOREST", EFX_REVERB_PRESET_FOREST},
    {"CITY", EFX_REVERB_PRESET_CITY},
    {"MOUNTAINS", EFX_REVERB_PRESET_MOUNTAINS},
    {"QUARRY", EFX_REVERB_PRESET_QUARRY},
    {"PLAIN", EFX_REVERB_PRESET_PLAIN},
    {"PARKINGLOT", EFX_REVERB_PRESET_PARKINGLOT},
    {"UNDERWATER", EFX_REVERB_PRESET_UNDERWATER},
};

}  // namespace

bool charge_efx(ALCdevice* device, Efx& e) {
  if (!device || !alcIsExtensionPresent(device, "ALC_EXT_EFX")) return false;
  return cherche(e.GenFilters, "alGenFilters") && cherche(e.DeleteFilters, "alDeleteFilters") &&
         cherche(e.Filteri, "alFilteri") && cherche(e.Filterf, "alFilterf") && cherche(e.GenEffects, "alGenEffects") &&
         cherche(e.DeleteEffects, "alDeleteEffects") && cherche(e.Effecti, "alEffecti") &&
         cherche(e.Effectf, "alEffectf") && cherche(e.Effectfv, "alEffectfv") &&
         cherche(e.GenAuxiliaryEffectSlots, "alGenAuxiliaryEffectSlots") &&
         cherche(e.DeleteAuxiliaryEffectSlots, "alDeleteAuxiliaryEffectSlots") &&
         cherche(e.AuxiliaryEffectSloti, "alAuxiliaryEffectSloti") &&
         cherche(e.AuxiliaryEffectSlotf, "alAuxiliaryEffectSlotf");
}

ProprietesEfx efx_depuis_classique(const SonProprietesReverb& p) {
  ProprietesEfx e{};
  // Echo density follows the room's volume, as environmental-audio rooms always did.
  e.flDensity = std::fmin(1.0f, std::pow(p.taille_env, 3.0f) / 16.0f);
  e.flDiffusion = p.diffusion_env;
  e.flGain = gain_mb(p.piece);
  e.flGainHF = gain_mb(p.piece_hf);
  e.flGainLF = gain_mb(p.piece_lf);
  e.flDecayTime = p.duree_decroissance;
  e.flDecayHFRatio = p.rapport_hf_decroissance;
  e.flDecayLFRatio = p.rapport_lf_decroissance;
  e.flReflectionsGain = gain_mb(p.reflexions);
  e.flReflectionsDelay = p.delai_reflexions;
  std::memcpy(e.flReflectionsPan, p.pan_reflexions, sizeof e.flReflectionsPan);
  e.flLateReverbGain = gain_mb(p.reverb);
  e.flLateReverbDelay = p.delai_reverb;
  std::memcpy(e.flLateReverbPan, p.pan_reverb, sizeof e.flLateReverbPan);
  e.flEchoTime = p.duree_echo;
  e.flEchoDepth = p.profondeur_echo;
  e.flModulationTime = p.duree_modulation;
  e.flModulationDepth = p.profondeur_modulation;
  e.flAirAbsorptionGainHF = std::pow(10.0f, p.absorption_air_hf / 2000.0f);
  e.flHFReference = p.reference_hf;
  e.flLFReference = p.reference_lf;
  e.flRoomRolloffFactor = p.facteur_attenuation_piece;
  e.iDecayHFLimit = (p.drapeaux & 0x20) ? 1 : 0;
  // A room level at or below -10000 mB means no reverb at all.
  if (p.piece <= -10000) e.flGain = 0.0f;
  return e;
}

bool preset_reverb(const char* nom, ProprietesEfx& out) {
  if (!nom) return false;
  for (const auto& p : k_presets) {
    if (std::strcmp(p.nom, nom) == 0) {
      out = p.prop;
      return true;
    }
  }
  return false;
}

ProprietesEfx melange_reverb(const ProprietesEfx& a, const ProprietesEfx& b, float t) {
  auto m = [t](float x, float y) { return x + (y - x) * t; };
  ProprietesEfx r{};
  r.flDensity = m(a.flDensity, b.flDensity);
  r.flDiffusion = m(a.flDiffusion, b.flDiffusion);
  r.flGain = m(a.flGain, b.flGain);
  r.flGainHF = m(a.flGainHF, b.flGainHF);
  r.flGainLF = m(a.flGainLF, b.flGainLF);
  r.flDecayTime = m(a.flDecayTime, b.flDecayTime);
  r.flDecayHFRatio = m(a.flDecayHFRatio, b.flDecayHFRatio);
  r.flDecayLFRatio = m(a.flDecayLFRatio, b.flDecayLFRatio);
  r.flReflectionsGain = m(a.flReflectionsGain, b.flReflectionsGain);
  r.flReflectionsDelay = m(a.flReflectionsDelay, b.flReflectionsDelay);
  r.flLateReverbGain = m(a.flLateReverbGain, b.flLateReverbGain);
  r.flLateReverbDelay = m(a.flLateReverbDelay, b.flLateReverbDelay);
  for (int i = 0; i < 3; ++i) {
    r.flReflectionsPan[i] = m(a.flReflectionsPan[i], b.flReflectionsPan[i]);
    r.flLateReverbPan[i] = m(a.flLateReverbPan[i], b.flLateReverbPan[i]);
  }
  r.flEchoTime = m(a.flEchoTime, b.flEchoTime);
  r.flEchoDepth = m(a.flEchoDepth, b.flEchoDepth);
  r.flModulationTime = m(a.flModulationTime, b.flModulationTime);
  r.flModulationDepth = m(a.flModulationDepth, b.flModulationDepth);
  r.flAirAbsorptionGainHF = m(a.flAirAbsorptionGainHF, b.flAirAbsorptionGainHF);
  r.flHFReference = m(a.flHFReference, b.flHFReference);
  r.flLFReference = m(a.flLFReference, b.flLFReference);
  r.flRoomRolloffFactor = m(a.flRoomRolloffFactor, b.flRoomRolloffFactor);
  r.iDecayHFLimit = t < 0.5f ? a.iDecayHFLimit : b.iDecayHFLimit;
  return r;
}

void applique_efx(ALuint effet, const ProprietesEfx& p) {
  const Efx& e = g_efx;
  auto borne = [](float v, float lo, float hi) { return std::fmax(lo, std::fmin(hi, v)); };
  e.Effectf(effet, AL_EAXREVERB_DENSITY, borne(p.flDensity, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_DIFFUSION, borne(p.flDiffusion, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_GAIN, borne(p.flGain, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_GAINHF, borne(p.flGainHF, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_GAINLF, borne(p.flGainLF, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_DECAY_TIME, borne(p.flDecayTime, 0.1f, 20.0f));
  e.Effectf(effet, AL_EAXREVERB_DECAY_HFRATIO, borne(p.flDecayHFRatio, 0.1f, 2.0f));
  e.Effectf(effet, AL_EAXREVERB_DECAY_LFRATIO, borne(p.flDecayLFRatio, 0.1f, 2.0f));
  e.Effectf(effet, AL_EAXREVERB_REFLECTIONS_GAIN, borne(p.flReflectionsGain, 0.0f, 3.16f));
  e.Effectf(effet, AL_EAXREVERB_REFLECTIONS_DELAY, borne(p.flReflectionsDelay, 0.0f, 0.3f));
  e.Effectfv(effet, AL_EAXREVERB_REFLECTIONS_PAN, p.flReflectionsPan);
  e.Effectf(effet, AL_EAXREVERB_LATE_REVERB_GAIN, borne(p.flLateReverbGain, 0.0f, 10.0f));
  e.Effectf(effet, AL_EAXREVERB_LATE_REVERB_DELAY, borne(p.flLateReverbDelay, 0.0f, 0.1f));
  e.Effectfv(effet, AL_EAXREVERB_LATE_REVERB_PAN, p.flLateReverbPan);
  e.Effectf(effet, AL_EAXREVERB_ECHO_TIME, borne(p.flEchoTime, 0.075f, 0.25f));
  e.Effectf(effet, AL_EAXREVERB_ECHO_DEPTH, borne(p.flEchoDepth, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_MODULATION_TIME, borne(p.flModulationTime, 0.04f, 4.0f));
  e.Effectf(effet, AL_EAXREVERB_MODULATION_DEPTH, borne(p.flModulationDepth, 0.0f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_AIR_ABSORPTION_GAINHF, borne(p.flAirAbsorptionGainHF, 0.892f, 1.0f));
  e.Effectf(effet, AL_EAXREVERB_HFREFERENCE, borne(p.flHFReference, 1000.0f, 20000.0f));
  e.Effectf(effet, AL_EAXREVERB_LFREFERENCE, borne(p.flLFReference, 20.0f, 1000.0f));
  e.Effectf(effet, AL_EAXREVERB_ROOM_ROLLOFF_FACTOR, borne(p.flRoomRolloffFactor, 0.0f, 10.0f));
  e.Effecti(effet, AL_EAXREVERB_DECAY_HFLIMIT, p.iDecayHFLimit ? AL_TRUE : AL_FALSE);
}

}  // namespace son_detail
