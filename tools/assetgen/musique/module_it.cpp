// Impulse Tracker module writer: validation, layout and packing of every block.
#include "assetgen/musique/module_it.h"

#include <algorithm>
#include <cstdio>

#include "common/binio.h"

namespace {

constexpr size_t TAILLE_ENTETE = 0xC0;
constexpr size_t TAILLE_INSTRUMENT = 554;
constexpr size_t TAILLE_ECHANTILLON = 80;
constexpr uint16_t VERSION_FORMAT = 0x0214;
constexpr size_t MAX_PATTERNS = 200;
constexpr size_t MAX_ECHANTILLONS = 99;
constexpr size_t MAX_ORDRES = 255;  // plus the end marker

bool echec(std::string* erreur, const char* format, long a = 0, long b = 0) {
  if (erreur) {
    char texte[160];
    std::snprintf(texte, sizeof texte, format, a, b);
    *erreur = texte;
  }
  return false;
}

// Fixed-size text field, NUL-padded; longer names are cut so the last byte stays NUL.
void champ_texte(Ecrivain& e, const std::string& s, size_t taille) {
  for (size_t i = 0; i < taille; i++) e.u8(i + 1 < taille && i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
}

bool verifie(const tModuleIT& m, std::string* erreur) {
  if (m.canaux < 1 || m.canaux > 64) return echec(erreur, "channel count %ld out of 1..64", m.canaux);
  if (m.tempo < 32) return echec(erreur, "tempo %ld below 32", m.tempo);
  if (m.vitesse < 1) return echec(erreur, "speed 0");
  if (m.volume_global > 128 || m.volume_mixage > 128) return echec(erreur, "volume above 128");
  if (m.ordres.empty() || m.ordres.size() > MAX_ORDRES)
    return echec(erreur, "order count %ld out of 1..255", static_cast<long>(m.ordres.size()));
  if (m.patterns.empty() || m.patterns.size() > MAX_PATTERNS)
    return echec(erreur, "pattern count %ld out of 1..200", static_cast<long>(m.patterns.size()));
  if (m.echantillons.size() > MAX_ECHANTILLONS || m.instruments.size() > MAX_ECHANTILLONS)
    return echec(erreur, "more than 99 samples or instruments");
  for (size_t i = 0; i < m.ordres.size(); i++)
    if (m.ordres[i] >= m.patterns.size())
      return echec(erreur, "order %ld names missing pattern %ld", static_cast<long>(i), m.ordres[i]);
  for (size_t p = 0; p < m.patterns.size(); p++) {
    const tPatternIT& pat = m.patterns[p];
    if (pat.lignes < 32 || pat.lignes > 200 || pat.canaux != m.canaux ||
        pat.cellules.size() != static_cast<size_t>(pat.lignes * pat.canaux))
      return echec(erreur, "pattern %ld has a bad shape", static_cast<long>(p));
    for (const tCelluleIT& c : pat.cellules) {
      const bool note_ok = c.note == IT_NOTE_VIDE || (c.note >= 0 && c.note <= 119) || c.note == IT_NOTE_COUPE ||
                           c.note == IT_NOTE_RELACHE;
      if (!note_ok || c.volume > 64 || c.instrument > m.instruments.size())
        return echec(erreur, "pattern %ld has a bad cell", static_cast<long>(p));
    }
  }
  for (size_t i = 0; i < m.echantillons.size(); i++) {
    const tEchantillonIT& s = m.echantillons[i];
    if (s.volume > 64 || s.volume_global > 64 || s.c5speed == 0 || s.c5speed > 9999999u)
      return echec(erreur, "sample %ld has bad settings", static_cast<long>(i + 1));
    if (s.boucle && (s.debut_boucle >= s.fin_boucle || s.fin_boucle > s.pcm.size()))
      return echec(erreur, "sample %ld has a bad loop", static_cast<long>(i + 1));
  }
  for (size_t i = 0; i < m.instruments.size(); i++) {
    const tInstrumentIT& ins = m.instruments[i];
    if (ins.zones.empty()) return echec(erreur, "instrument %ld has no sample", static_cast<long>(i + 1));
    for (const tZoneIT& z : ins.zones)
      if (z.echantillon < 1 || z.echantillon > m.echantillons.size())
        return echec(erreur, "instrument %ld names a missing sample", static_cast<long>(i + 1));
    const tEnveloppeIT& env = ins.enveloppe_volume;
    const size_t n = env.points.size();
    if (n > 25 || (env.active && n < 2))
      return echec(erreur, "instrument %ld: envelope needs 2 to 25 points", static_cast<long>(i + 1));
    if ((env.boucle && (env.debut_boucle > env.fin_boucle || env.fin_boucle >= n)) ||
        (env.maintien && (env.debut_maintien > env.fin_maintien || env.fin_maintien >= n)))
      return echec(erreur, "instrument %ld: envelope loop out of range", static_cast<long>(i + 1));
    for (size_t k = 0; k < n; k++)
      if (env.points[k].valeur < 0 || env.points[k].valeur > 64 ||
          (k > 0 && env.points[k].tick <= env.points[k - 1].tick))
        return echec(erreur, "instrument %ld: envelope points out of order", static_cast<long>(i + 1));
    if (ins.panoramique > 64 || ins.coupure > 127 || ins.resonance > 127 || ins.volume_global > 128)
      return echec(erreur, "instrument %ld has bad settings", static_cast<long>(i + 1));
  }
  return true;
}

void ecrit_enveloppe(Ecrivain& e, const tEnveloppeIT& env, int8_t neutre) {
  std::vector<tPointEnveloppe> points = env.points;
  // A switched-off envelope still carries two flat points, as trackers save them.
  if (!env.active || points.size() < 2) points = {{0, neutre}, {100, neutre}};
  e.u8(static_cast<uint8_t>((env.active ? 1 : 0) | (env.boucle ? 2 : 0) | (env.maintien ? 4 : 0)));
  e.u8(static_cast<uint8_t>(points.size()));
  e.u8(env.debut_boucle);
  e.u8(env.fin_boucle);
  e.u8(env.debut_maintien);
  e.u8(env.fin_maintien);
  for (size_t k = 0; k < 25; k++) {
    e.u8(k < points.size() ? static_cast<uint8_t>(points[k].valeur) : 0);
    e.u16(k < points.size() ? points[k].tick : 0);
  }
  e.u8(0);
}

void ecrit_instrument(Ecrivain& e, const tInstrumentIT& ins) {
  e.octets("IMPI", 4);
  champ_texte(e, "", 12);
  e.u8(0);
  e.u8(ins.nna);
  e.u8(0);  // duplicate check off
  e.u8(0);
  e.u16(ins.fondu);
  e.u8(0);   // pitch-pan separation
  e.u8(60);  // pitch-pan centre
  e.u8(ins.volume_global);
  e.u8(ins.panoramique < 0 ? 0x80 | 32 : static_cast<uint8_t>(ins.panoramique));
  e.u8(0);  // random volume
  e.u8(0);  // random pan
  e.u16(VERSION_FORMAT);
  uint8_t distincts = 0;
  for (size_t i = 0; i < ins.zones.size(); i++)
    if (i == 0 || ins.zones[i].echantillon != ins.zones[i - 1].echantillon) distincts++;
  e.u8(distincts);
  e.u8(0);
  champ_texte(e, ins.nom, 26);
  e.u8(ins.coupure < 0 ? 0 : static_cast<uint8_t>(0x80 | ins.coupure));
  e.u8(ins.resonance < 0 ? 0 : static_cast<uint8_t>(0x80 | ins.resonance));
  e.u8(0);  // no MIDI
  e.u8(0);
  e.u16(0xFFFF);
  for (int note = 0; note < 120; note++) {
    uint8_t ech = ins.zones.back().echantillon;
    for (const tZoneIT& z : ins.zones)
      if (note <= z.note_max) {
        ech = z.echantillon;
        break;
      }
    e.u8(static_cast<uint8_t>(note));
    e.u8(ech);
  }
  ecrit_enveloppe(e, ins.enveloppe_volume, 64);
  ecrit_enveloppe(e, tEnveloppeIT(), 0);  // panning
  ecrit_enveloppe(e, tEnveloppeIT(), 0);  // pitch
  e.u32(0);
}

void ecrit_entete_echantillon(Ecrivain& e, const tEchantillonIT& s, uint32_t position_donnees) {
  e.octets("IMPS", 4);
  champ_texte(e, "", 12);
  e.u8(0);
  e.u8(s.volume_global);
  uint8_t drapeaux = 0x01 | 0x02;  // data present, 16-bit
  if (s.boucle) drapeaux |= 0x10;
  e.u8(drapeaux);
  e.u8(s.volume);
  champ_texte(e, s.nom, 26);
  e.u8(0x01);  // signed
  e.u8(32);    // default pan, unused
  e.u32(static_cast<uint32_t>(s.pcm.size()));
  e.u32(s.boucle ? s.debut_boucle : 0);
  e.u32(s.boucle ? s.fin_boucle : 0);
  e.u32(s.c5speed);
  e.u32(0);
  e.u32(0);
  e.u32(position_donnees);
  e.u32(0);  // no auto-vibrato
}

// Packs one pattern: every cell written with its own mask, so no state carries between rows.
bool ecrit_pattern(Ecrivain& e, const tPatternIT& p) {
  Ecrivain donnees;
  for (int l = 0; l < p.lignes; l++) {
    for (int c = 0; c < p.canaux; c++) {
      const tCelluleIT& cel = p.at(l, c);
      if (cel.vide()) continue;
      uint8_t masque = 0;
      if (cel.note != IT_NOTE_VIDE) masque |= 1;
      if (cel.instrument) masque |= 2;
      if (cel.volume >= 0) masque |= 4;
      if (cel.effet) masque |= 8;
      donnees.u8(static_cast<uint8_t>(0x80 | (c + 1)));
      donnees.u8(masque);
      if (masque & 1) donnees.u8(static_cast<uint8_t>(cel.note));
      if (masque & 2) donnees.u8(cel.instrument);
      if (masque & 4) donnees.u8(static_cast<uint8_t>(cel.volume));
      if (masque & 8) {
        donnees.u8(cel.effet);
        donnees.u8(cel.parametre);
      }
    }
    donnees.u8(0);
  }
  if (donnees.taille() > 65535) return false;
  e.u16(static_cast<uint16_t>(donnees.taille()));
  e.u16(static_cast<uint16_t>(p.lignes));
  e.u32(0);
  e.octets(donnees.donnees().data(), donnees.taille());
  return true;
}

}  // namespace

bool ecrit_module_it(const tModuleIT& m, std::vector<uint8_t>& octets, std::string* erreur) {
  octets.clear();
  if (!verifie(m, erreur)) return false;
  const size_t nb_ordres = m.ordres.size() + 1;  // end marker
  const size_t nb_ins = m.instruments.size(), nb_ech = m.echantillons.size(), nb_pat = m.patterns.size();

  Ecrivain e;
  e.octets("IMPM", 4);
  champ_texte(e, m.nom, 26);
  e.u8(4);   // rows per beat, for the editor's highlight
  e.u8(16);  // rows per bar
  e.u16(static_cast<uint16_t>(nb_ordres));
  e.u16(static_cast<uint16_t>(nb_ins));
  e.u16(static_cast<uint16_t>(nb_ech));
  e.u16(static_cast<uint16_t>(nb_pat));
  e.u16(VERSION_FORMAT);
  e.u16(VERSION_FORMAT);
  e.u16(0x01 | 0x04 | 0x08);  // stereo, instruments, linear slides
  e.u16(0);
  e.u8(m.volume_global);
  e.u8(m.volume_mixage);
  e.u8(m.vitesse);
  e.u8(m.tempo);
  e.u8(128);  // stereo separation
  e.u8(0);
  e.u16(0);  // no message
  e.u32(0);
  e.u32(0);
  for (int c = 0; c < 64; c++) {
    if (c >= m.canaux)
      e.u8(0x80 | 32);  // channel off
    else
      e.u8(static_cast<size_t>(c) < m.panoramiques.size() ? std::min<uint8_t>(m.panoramiques[c], 64) : 32);
  }
  for (int c = 0; c < 64; c++) e.u8(64);
  if (e.taille() != TAILLE_ENTETE) return echec(erreur, "internal: header size");
  for (uint8_t o : m.ordres) e.u8(o);
  e.u8(255);

  const size_t table = e.taille();
  for (size_t i = 0; i < nb_ins + nb_ech + nb_pat; i++) e.u32(0);

  for (size_t i = 0; i < nb_ins; i++) {
    e.patch_u32(table + 4 * i, static_cast<uint32_t>(e.taille()));
    const size_t debut = e.taille();
    ecrit_instrument(e, m.instruments[i]);
    if (e.taille() - debut != TAILLE_INSTRUMENT) return echec(erreur, "internal: instrument size");
  }
  // Sample data follows the patterns; its positions are patched once known.
  std::vector<size_t> entetes(nb_ech);
  for (size_t i = 0; i < nb_ech; i++) {
    entetes[i] = e.taille();
    e.patch_u32(table + 4 * (nb_ins + i), static_cast<uint32_t>(e.taille()));
    ecrit_entete_echantillon(e, m.echantillons[i], 0);
    if (e.taille() - entetes[i] != TAILLE_ECHANTILLON) return echec(erreur, "internal: sample header size");
  }
  for (size_t i = 0; i < nb_pat; i++) {
    e.patch_u32(table + 4 * (nb_ins + nb_ech + i), static_cast<uint32_t>(e.taille()));
    if (!ecrit_pattern(e, m.patterns[i])) return echec(erreur, "pattern %ld packs over 64 KiB", static_cast<long>(i));
  }
  for (size_t i = 0; i < nb_ech; i++) {
    e.patch_u32(entetes[i] + 0x48, static_cast<uint32_t>(e.taille()));
    for (int16_t v : m.echantillons[i].pcm) e.u16(static_cast<uint16_t>(v));
  }
  octets = e.donnees();
  return true;
}
