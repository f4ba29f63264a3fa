// 16-bit PCM WAV encoding and decoding in memory through libsndfile's virtual I/O.
#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "assetgen/sons/sons.h"

namespace {

// A growable (writing) or fixed (reading) byte buffer seen by libsndfile as a file.
struct tMemoire {
  std::vector<uint8_t>* ecrit = nullptr;
  const uint8_t* lu = nullptr;
  size_t taille = 0;
  sf_count_t pos = 0;
};

sf_count_t taille_vio(void* u) {
  auto* m = static_cast<tMemoire*>(u);
  return m->ecrit ? sf_count_t(m->ecrit->size()) : sf_count_t(m->taille);
}

sf_count_t cherche_vio(sf_count_t decalage, int depuis, void* u) {
  auto* m = static_cast<tMemoire*>(u);
  sf_count_t base = 0;
  if (depuis == SEEK_CUR) base = m->pos;
  if (depuis == SEEK_END) base = taille_vio(u);
  const sf_count_t pos = base + decalage;
  if (pos < 0) return -1;
  m->pos = pos;
  return pos;
}

sf_count_t lit_vio(void* dest, sf_count_t compte, void* u) {
  auto* m = static_cast<tMemoire*>(u);
  const sf_count_t total = taille_vio(u);
  if (compte <= 0 || m->pos >= total) return 0;
  const sf_count_t n = std::min(compte, total - m->pos);
  const uint8_t* src = m->ecrit ? m->ecrit->data() : m->lu;
  std::memcpy(dest, src + m->pos, size_t(n));
  m->pos += n;
  return n;
}

sf_count_t ecrit_vio(const void* src, sf_count_t compte, void* u) {
  auto* m = static_cast<tMemoire*>(u);
  if (!m->ecrit || compte <= 0) return 0;
  const size_t fin = size_t(m->pos) + size_t(compte);
  if (m->ecrit->size() < fin) m->ecrit->resize(fin, 0);
  std::memcpy(m->ecrit->data() + m->pos, src, size_t(compte));
  m->pos += compte;
  return compte;
}

sf_count_t dit_vio(void* u) { return static_cast<tMemoire*>(u)->pos; }

SF_VIRTUAL_IO vio() { return SF_VIRTUAL_IO{taille_vio, cherche_vio, lit_vio, ecrit_vio, dit_vio}; }

}  // namespace

bool encode_wav(const tSonPCM& son, std::vector<uint8_t>* octets, std::string* erreur) {
  if (son.canaux < 1 || son.canaux > 2 || son.frequence <= 0 || son.echantillons.empty() ||
      son.echantillons.size() % size_t(son.canaux) != 0) {
    if (erreur) *erreur = "invalid sound to encode";
    return false;
  }
  octets->clear();
  tMemoire m;
  m.ecrit = octets;
  SF_VIRTUAL_IO io = vio();
  SF_INFO info{};
  info.samplerate = son.frequence;
  info.channels = son.canaux;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &m);
  if (!f) {
    if (erreur) *erreur = std::string("libsndfile: ") + sf_strerror(nullptr);
    return false;
  }
  const sf_count_t trames = sf_count_t(son.trames());
  const bool ok = sf_writef_short(f, son.echantillons.data(), trames) == trames;
  if (sf_close(f) != 0 || !ok) {
    if (erreur) *erreur = "libsndfile could not write the samples";
    return false;
  }
  return true;
}

bool decode_wav(const uint8_t* data, size_t taille, tSonPCM* son) {
  if (!data || taille == 0) return false;
  tMemoire m;
  m.lu = data;
  m.taille = taille;
  SF_VIRTUAL_IO io = vio();
  SF_INFO info{};
  SNDFILE* f = sf_open_virtual(&io, SFM_READ, &info, &m);
  if (!f) return false;
  // The frame count comes from the header: never trust it beyond what the buffer can hold.
  const bool plausible = info.channels >= 1 && info.channels <= 8 && info.samplerate > 0 && info.frames >= 0 &&
                     info.frames <= sf_count_t(taille);
  bool ok = plausible;
  if (ok) {
    son->canaux = info.channels;
    son->frequence = info.samplerate;
    son->echantillons.assign(size_t(info.frames) * size_t(info.channels), 0);
    const sf_count_t lues = sf_readf_short(f, son->echantillons.data(), info.frames);
    son->echantillons.resize(size_t(std::max<sf_count_t>(0, lues)) * size_t(info.channels));
    ok = lues > 0;
  }
  sf_close(f);
  return ok;
}
