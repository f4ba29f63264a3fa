// A style's samples and instruments: drums, bass, chords, lead and arpeggio, with their
// envelopes, key zones and mix levels.
#include "assetgen/musique/composition.h"

namespace {

tEnveloppeIT enveloppe(std::vector<tPointEnveloppe> points, int maintien) {
  tEnveloppeIT e;
  e.active = true;
  e.points = std::move(points);
  if (maintien >= 0) {
    e.maintien = true;
    e.debut_maintien = e.fin_maintien = static_cast<uint8_t>(maintien);
  }
  return e;
}

tInstrumentIT instrument(const std::string& nom, uint8_t echantillon, uint8_t volume) {
  tInstrumentIT i;
  i.nom = nom;
  i.zones = {{119, echantillon}};
  i.volume_global = volume;
  return i;
}

// One band-limited sample per key zone; returns the instrument's zones.
std::vector<tZoneIT> zones_tonales(tModuleIT& m, const std::string& nom, const tTimbre& t,
                                   const std::vector<int>& hauts) {
  std::vector<tZoneIT> zones;
  for (size_t i = 0; i < hauts.size(); i++) {
    m.echantillons.push_back(synthese_tonale(nom + " " + std::to_string(i + 1), t, hauts[i]));
    zones.push_back({i + 1 == hauts.size() ? 119 : hauts[i], static_cast<uint8_t>(m.echantillons.size())});
  }
  return zones;
}

}  // namespace

void orchestre(const tStyle& s, tModuleIT& m) {
  m.echantillons.clear();
  m.instruments.clear();
  const auto ajoute = [&m](tEchantillonIT e) {
    m.echantillons.push_back(std::move(e));
    return static_cast<uint8_t>(m.echantillons.size());
  };

  // Order follows eInstrument.
  m.instruments.push_back(instrument("Kick", ajoute(synthese_grosse_caisse("Kick", s.grosse_caisse)), 100));
  m.instruments.push_back(instrument("Snare", ajoute(synthese_caisse_claire("Snare", s.caisse_claire, s.graine)), 84));
  tCaisseClaire clap = s.caisse_claire;
  clap.claquement = true;
  clap.bruit = 0.95f;
  clap.couleur = 1400.0f;
  clap.duree = 0.3f;
  m.instruments.push_back(instrument("Clap", ajoute(synthese_caisse_claire("Clap", clap, s.graine + 1)), 84));
  tCymbale ferme{0.07f, s.couleur_charleston, s.graine + 2};
  tCymbale ouvert{0.35f, s.couleur_charleston * 0.85f, s.graine + 3};
  tCymbale crash{1.8f, 5000.0f, s.graine + 4};
  m.instruments.push_back(instrument("Hat", ajoute(synthese_cymbale("Hat", ferme)), 60));
  m.instruments.push_back(instrument("Open hat", ajoute(synthese_cymbale("Open hat", ouvert)), 54));
  m.instruments.push_back(instrument("Crash", ajoute(synthese_cymbale("Crash", crash)), 48));

  tInstrumentIT basse = instrument("Bass", 1, 128);
  basse.zones = zones_tonales(m, "Bass", s.timbre_basse, {40, 64});
  basse.enveloppe_volume = enveloppe({{0, 64}, {6, 54}, {30, 42}, {38, 0}}, 2);
  basse.fondu = 512;
  basse.coupure = s.coupure_basse;
  basse.resonance = s.resonance_basse;
  m.instruments.push_back(basse);

  tInstrumentIT accords = instrument("Chords", 1, 112);
  accords.zones = zones_tonales(m, "Chords", s.timbre_accords, {62, 74, 96});
  if (s.accords == eJeuAccords::NAPPE) {
    accords.enveloppe_volume = enveloppe({{0, 0}, {14, 56}, {36, 46}, {70, 0}}, 2);
    accords.nna = 2;  // the old chord releases under the new one
    accords.fondu = 256;
  } else {
    accords.enveloppe_volume = enveloppe({{0, 64}, {3, 50}, {10, 40}, {16, 0}}, 2);
    accords.fondu = 1024;
  }
  m.instruments.push_back(accords);

  tInstrumentIT melodie = instrument("Lead", 1, 112);
  melodie.zones = zones_tonales(m, "Lead", s.timbre_melodie, {64, 72, 80, 96});
  melodie.enveloppe_volume = enveloppe({{0, 0}, {2, 64}, {14, 50}, {22, 0}}, 2);
  melodie.fondu = 512;
  m.instruments.push_back(melodie);

  tInstrumentIT arpege = instrument("Arpeggio", 1, 96);
  arpege.zones = zones_tonales(m, "Arpeggio", s.timbre_arpege, {72, 84, 100});
  arpege.enveloppe_volume = enveloppe({{0, 64}, {4, 40}, {18, 14}, {36, 0}}, -1);
  m.instruments.push_back(arpege);
}
