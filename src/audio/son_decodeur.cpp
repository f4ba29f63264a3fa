// Memory-buffer decoders over libsndfile and libopenmpt.
#include "audio/son_decodeur.h"

#include <libopenmpt/libopenmpt.h>
#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace {

// libsndfile virtual I/O over the decoder's own bytes: never reads past them.
struct Memoire {
  std::vector<uint8_t> octets;
  sf_count_t pos = 0;
};

sf_count_t vio_taille(void* u) { return static_cast<sf_count_t>(static_cast<Memoire*>(u)->octets.size()); }

sf_count_t vio_seek(sf_count_t off, int whence, void* u) {
  Memoire* m = static_cast<Memoire*>(u);
  const sf_count_t taille = static_cast<sf_count_t>(m->octets.size());
  sf_count_t base = whence == SEEK_CUR ? m->pos : whence == SEEK_END ? taille : 0;
  sf_count_t p = base + off;
  if (p < 0 || p > taille) return -1;
  m->pos = p;
  return p;
}

sf_count_t vio_lit(void* dst, sf_count_t n, void* u) {
  Memoire* m = static_cast<Memoire*>(u);
  const sf_count_t reste = static_cast<sf_count_t>(m->octets.size()) - m->pos;
  if (n > reste) n = reste;
  if (n <= 0) return 0;
  std::memcpy(dst, m->octets.data() + m->pos, static_cast<size_t>(n));
  m->pos += n;
  return n;
}

sf_count_t vio_ecrit(const void*, sf_count_t, void*) { return 0; }
sf_count_t vio_position(void* u) { return static_cast<Memoire*>(u)->pos; }

class CDecodeurFichier : public CDecodeurSon {
 public:
  explicit CDecodeurFichier(std::vector<uint8_t> d) { m_mem.octets = std::move(d); }
  ~CDecodeurFichier() override {
    if (m_sf) sf_close(m_sf);
  }
  bool ouvre() {
    SF_VIRTUAL_IO vio{vio_taille, vio_seek, vio_lit, vio_ecrit, vio_position};
    SF_INFO info{};
    m_sf = sf_open_virtual(&vio, SFM_READ, &info, &m_mem);
    if (!m_sf) return false;
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000) return false;
    m_frequence = info.samplerate;
    m_canaux = info.channels;
    m_trames = info.frames;
    // Integer files are read as they are; float ones are scaled to full range rather than clipped.
    sf_command(m_sf, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    return true;
  }
  long lit(int16_t* sortie, long trames) override {
    sf_count_t n = sf_readf_short(m_sf, sortie, trames);
    return n > 0 ? static_cast<long>(n) : 0;
  }
  bool rembobine() override { return sf_seek(m_sf, 0, SEEK_SET) == 0; }
  double duree() const override { return m_trames > 0 ? static_cast<double>(m_trames) / m_frequence : 0.0; }

 private:
  Memoire m_mem;
  SNDFILE* m_sf = nullptr;
  sf_count_t m_trames = 0;
};

class CDecodeurModule : public CDecodeurSon {
 public:
  explicit CDecodeurModule(std::vector<uint8_t> d) : m_octets(std::move(d)) {}
  ~CDecodeurModule() override {
    if (m_mod) openmpt_module_destroy(m_mod);
  }
  bool ouvre(bool boucle) {
    if (m_octets.empty()) return false;
    int erreur = 0;
    m_mod = openmpt_module_create_from_memory2(m_octets.data(), m_octets.size(), openmpt_log_func_silent, nullptr,
                                               openmpt_error_func_ignore, nullptr, &erreur, nullptr, nullptr);
    if (!m_mod) return false;
    openmpt_module_set_repeat_count(m_mod, boucle ? -1 : 0);
    m_frequence = 44100;
    m_canaux = 2;
    return true;
  }
  long lit(int16_t* sortie, long trames) override {
    size_t n = openmpt_module_read_interleaved_stereo(m_mod, m_frequence, static_cast<size_t>(trames), sortie);
    return static_cast<long>(n);
  }
  bool rembobine() override {
    openmpt_module_set_position_seconds(m_mod, 0.0);
    return true;
  }
  double duree() const override { return openmpt_module_get_duration_seconds(m_mod); }

 private:
  std::vector<uint8_t> m_octets;
  openmpt_module* m_mod = nullptr;
};

}  // namespace

std::unique_ptr<CDecodeurSon> ouvre_decodeur(std::vector<uint8_t> donnees, bool boucle_module) {
  if (donnees.empty()) return nullptr;
  {
    auto f = std::make_unique<CDecodeurFichier>(donnees);
    if (f->ouvre()) return f;
  }
  auto m = std::make_unique<CDecodeurModule>(std::move(donnees));
  if (m->ouvre(boucle_module)) return m;
  return nullptr;
}

bool decode_tout(std::vector<uint8_t> donnees, long trames_max, std::vector<int16_t>& pcm, int& frequence,
                 int& canaux) {
  auto d = ouvre_decodeur(std::move(donnees), false);
  if (!d) return false;
  frequence = d->frequence();
  canaux = d->canaux();
  pcm.clear();
  const long bloc = 8192;
  long total = 0;
  while (total < trames_max) {
    long voulu = std::min(bloc, trames_max - total);
    size_t avant = pcm.size();
    pcm.resize(avant + static_cast<size_t>(voulu) * canaux);
    long n = d->lit(pcm.data() + avant, voulu);
    pcm.resize(avant + static_cast<size_t>(n > 0 ? n : 0) * canaux);
    if (n <= 0) break;
    total += n;
  }
  return total > 0;
}
