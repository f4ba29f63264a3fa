// Tracker module seeds: the smallest layouts the players accept, with a few notes, a speed and
// tempo change, a sample loop, and a pattern break that ends the song after eight rows.
#include "corpus_son_modules.h"

#include <cmath>
#include <cstring>

#include "assetgen/musique/module_it.h"
#include "common/binio.h"

namespace {

constexpr int RANGS = 8;  // rows played before the pattern break

void texte(Ecrivain& e, const char* s, size_t taille) {
  for (size_t i = 0; i < taille; i++) e.u8(i < std::strlen(s) ? static_cast<uint8_t>(s[i]) : 0);
}

void u16_gros(Ecrivain& e, uint16_t v) {
  e.u8(static_cast<uint8_t>(v >> 8));
  e.u8(static_cast<uint8_t>(v));
}

// One period of a slightly buzzy wave, looped by every module.
std::vector<int16_t> onde(size_t n) {
  std::vector<int16_t> pcm(n);
  for (size_t i = 0; i < n; i++) {
    const double t = 2.0 * M_PI * static_cast<double>(i) / static_cast<double>(n);
    pcm[i] = static_cast<int16_t>(20000.0 * std::sin(t) + 6000.0 * std::sin(3.0 * t));
  }
  return pcm;
}

std::vector<uint8_t> module_mod() {
  Ecrivain e;
  texte(e, "graine", 20);
  const std::vector<int16_t> pcm = onde(64);
  for (int s = 0; s < 31; s++) {
    texte(e, s == 0 ? "onde" : "", 22);
    u16_gros(e, s == 0 ? static_cast<uint16_t>(pcm.size() / 2) : 0);  // in words
    e.u8(0);                                                           // finetune
    e.u8(s == 0 ? 64 : 0);
    u16_gros(e, 0);                                                     // loop start
    u16_gros(e, s == 0 ? static_cast<uint16_t>(pcm.size() / 2) : 1);  // loop length; 1: none
  }
  e.u8(1);    // song length
  e.u8(127);  // restart
  for (int i = 0; i < 128; i++) e.u8(0);
  e.octets("M.K.", 4);
  static const uint16_t periodes[RANGS] = {428, 381, 339, 320, 285, 254, 226, 214};
  for (int rang = 0; rang < 64; rang++)
    for (int canal = 0; canal < 4; canal++) {
      uint16_t periode = 0;
      uint8_t ech = 0, effet = 0, param = 0;
      if (canal == 0 && rang < RANGS) {
        periode = periodes[rang];
        ech = 1;
      }
      if (canal == 1 && rang == 0) effet = 0xF, param = 1;     // speed 1
      if (canal == 2 && rang == 0) effet = 0xF, param = 255;   // tempo 255
      if (canal == 1 && rang == 2) effet = 0x4, param = 0x46;  // vibrato
      if (canal == 3 && rang == RANGS - 1) effet = 0xD;        // break: the song ends
      e.u8(static_cast<uint8_t>((ech & 0xF0) | (periode >> 8)));
      e.u8(static_cast<uint8_t>(periode));
      e.u8(static_cast<uint8_t>(((ech & 0x0F) << 4) | effet));
      e.u8(param);
    }
  for (int16_t v : pcm) e.u8(static_cast<uint8_t>(v >> 8));
  return e.donnees();
}

std::vector<uint8_t> module_s3m() {
  const std::vector<int16_t> pcm = onde(64);
  // Header, one order plus the end, one instrument, one pattern; blocks on 16-byte paragraphs.
  const size_t pos_instrument = 0x70, pos_pattern = 0xC0;
  Ecrivain e;
  texte(e, "graine", 28);
  e.u8(0x1A);
  e.u8(16);
  e.u16(0);
  e.u16(2);       // orders
  e.u16(1);       // instruments
  e.u16(1);       // patterns
  e.u16(0);       // flags
  e.u16(0x1320);  // written by version 3.20
  e.u16(2);       // unsigned samples
  e.octets("SCRM", 4);
  e.u8(64);        // global volume
  e.u8(1);         // speed
  e.u8(255);       // tempo
  e.u8(0x80 | 48);  // stereo, master volume
  e.u8(0);
  e.u8(0);  // no pan table
  for (int i = 0; i < 8; i++) e.u8(0);
  e.u16(0);
  for (int c = 0; c < 32; c++) e.u8(c < 2 ? static_cast<uint8_t>(c * 8) : 255);
  e.u8(0);
  e.u8(255);
  e.u16(static_cast<uint16_t>(pos_instrument / 16));
  e.u16(static_cast<uint16_t>(pos_pattern / 16));
  while (e.donnees().size() < pos_instrument) e.u8(0);
  const size_t pos_donnees = 0x1C0;
  e.u8(1);  // sample
  texte(e, "onde.smp", 12);
  e.u8(static_cast<uint8_t>(pos_donnees / 16 >> 16));
  e.u16(static_cast<uint16_t>(pos_donnees / 16));
  e.u32(static_cast<uint32_t>(pcm.size()));
  e.u32(0);
  e.u32(static_cast<uint32_t>(pcm.size()));
  e.u8(64);
  e.u8(0);
  e.u8(0);
  e.u8(1 | 4);  // looped, 16-bit
  e.u32(8363);
  for (int i = 0; i < 12; i++) e.u8(0);
  texte(e, "onde", 28);
  e.octets("SCRS", 4);
  while (e.donnees().size() < pos_pattern) e.u8(0);
  Ecrivain p;
  for (int rang = 0; rang < 64; rang++) {
    if (rang < RANGS) {
      p.u8(0x20 | 0x40);  // channel 0: note, instrument, volume
      p.u8(static_cast<uint8_t>(0x40 + rang));
      p.u8(1);
      p.u8(static_cast<uint8_t>(64 - rang * 4));
    }
    if (rang == 3) {
      p.u8(0x80 | 1);  // channel 1: portamento up
      p.u8(6);
      p.u8(0x08);
    }
    if (rang == RANGS - 1) {
      p.u8(0x80 | 1);  // channel 1: break
      p.u8(3);
      p.u8(0);
    }
    p.u8(0);
  }
  e.u16(static_cast<uint16_t>(p.donnees().size() + 2));
  e.octets(p.donnees().data(), p.donnees().size());
  while (e.donnees().size() < pos_donnees) e.u8(0);
  for (int16_t v : pcm) e.u16(static_cast<uint16_t>(v ^ 0x8000));
  return e.donnees();
}

std::vector<uint8_t> module_xm() {
  const std::vector<int16_t> pcm = onde(64);
  Ecrivain e;
  e.octets("Extended Module: ", 17);
  texte(e, "graine", 20);
  e.u8(0x1A);
  texte(e, "veltra", 20);
  e.u16(0x0104);
  e.u32(276);
  e.u16(1);    // song length
  e.u16(0);    // restart
  e.u16(2);    // channels
  e.u16(1);    // patterns
  e.u16(1);    // instruments
  e.u16(1);    // linear frequencies
  e.u16(1);    // speed
  e.u16(255);  // tempo
  for (int i = 0; i < 256; i++) e.u8(0);
  Ecrivain p;
  for (int rang = 0; rang < 32; rang++) {
    if (rang < RANGS) {
      p.u8(0x80 | 1 | 2 | 4);  // note, instrument, volume
      p.u8(static_cast<uint8_t>(49 + rang));
      p.u8(1);
      p.u8(static_cast<uint8_t>(0x10 + 64 - rang * 4));
    } else {
      p.u8(0x80);
    }
    if (rang == RANGS - 1) {
      p.u8(0x80 | 8);  // pattern break
      p.u8(0xD);
    } else if (rang == 1) {
      p.u8(0x80 | 8 | 16);  // key off on channel 1 through the K effect
      p.u8(0x14);
      p.u8(0);
    } else {
      p.u8(0x80);
    }
  }
  e.u32(9);
  e.u8(0);
  e.u16(32);
  e.u16(static_cast<uint16_t>(p.donnees().size()));
  e.octets(p.donnees().data(), p.donnees().size());
  // One instrument with a four-point volume envelope and one looped 16-bit sample.
  e.u32(263);
  texte(e, "onde", 22);
  e.u8(0);
  e.u16(1);
  e.u32(40);
  for (int i = 0; i < 96; i++) e.u8(0);
  static const uint16_t enveloppe[4][2] = {{0, 64}, {4, 48}, {8, 32}, {16, 0}};
  for (int i = 0; i < 12; i++) {
    e.u16(i < 4 ? enveloppe[i][0] : 0);
    e.u16(i < 4 ? enveloppe[i][1] : 0);
  }
  for (int i = 0; i < 24; i++) e.u16(0);  // panning envelope
  e.u8(4);
  e.u8(0);
  e.u8(1);  // sustain point
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u8(1 | 2);  // volume envelope on, with sustain
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u8(0);
  e.u16(0x200);  // fade-out
  for (int i = 0; i < 22; i++) e.u8(0);
  e.u32(static_cast<uint32_t>(pcm.size() * 2));  // in bytes
  e.u32(0);
  e.u32(static_cast<uint32_t>(pcm.size() * 2));
  e.u8(64);
  e.u8(0);
  e.u8(1 | 0x10);  // forward loop, 16-bit
  e.u8(128);
  e.u8(0);
  e.u8(0);
  texte(e, "onde", 22);
  int16_t precedent = 0;
  for (int16_t v : pcm) {  // stored as deltas
    e.u16(static_cast<uint16_t>(v - precedent));
    precedent = v;
  }
  return e.donnees();
}

// The asset generator's own writer, as the game's music is made: two samples, one with a loop,
// an instrument with an envelope, a filter and a fade, new-note actions, tempo and speed effects.
std::vector<uint8_t> module_it() {
  tModuleIT m;
  m.nom = "graine";
  m.canaux = 2;
  m.vitesse = 1;
  m.tempo = 255;
  tEchantillonIT boucle;
  boucle.nom = "onde";
  boucle.pcm = onde(64);
  boucle.boucle = true;
  boucle.fin_boucle = 64;
  tEchantillonIT coup;
  coup.nom = "coup";
  coup.pcm = onde(48);
  for (size_t i = 0; i < coup.pcm.size(); i++) coup.pcm[i] = static_cast<int16_t>(coup.pcm[i] * (48 - i) / 48);
  m.echantillons = {boucle, coup};
  tInstrumentIT nappe;
  nappe.nom = "nappe";
  nappe.zones = {{59, 1}, {119, 2}};
  nappe.nna = 3;
  nappe.fondu = 256;
  nappe.coupure = 90;
  nappe.resonance = 40;
  nappe.enveloppe_volume.active = true;
  nappe.enveloppe_volume.maintien = true;
  nappe.enveloppe_volume.points = {{0, 64}, {3, 40}, {8, 0}};
  nappe.enveloppe_volume.debut_maintien = nappe.enveloppe_volume.fin_maintien = 1;
  tInstrumentIT sec;
  sec.nom = "sec";
  sec.zones = {{119, 2}};
  m.instruments = {nappe, sec};
  tPatternIT p(32, m.canaux);
  for (int rang = 0; rang < RANGS; rang++) {
    p.at(rang, 0).note = 48 + rang * 2;
    p.at(rang, 0).instrument = 1;
    if (rang % 2 == 0) {
      p.at(rang, 1).note = 60 + rang;
      p.at(rang, 1).instrument = 2;
      p.at(rang, 1).volume = 48;
    }
  }
  p.at(2, 0).effet = IT_EFFET_VIBRATO;
  p.at(2, 0).parametre = 0x48;
  p.at(4, 0).note = IT_NOTE_RELACHE;
  p.at(5, 1).note = IT_NOTE_COUPE;
  p.at(RANGS - 1, 1).effet = IT_EFFET_SAUT_ORDRE;  // back to order 0: the song ends there
  p.at(RANGS - 1, 1).parametre = 0;
  m.patterns = {p};
  m.ordres = {0};
  std::vector<uint8_t> octets;
  std::string erreur;
  if (!ecrit_module_it(m, octets, &erreur)) octets.clear();
  return octets;
}

}  // namespace

std::vector<tGraine> graines_modules() {
  return {{"onde.mod", module_mod()}, {"onde.s3m", module_s3m()}, {"onde.xm", module_xm()}, {"onde.it", module_it()}};
}
