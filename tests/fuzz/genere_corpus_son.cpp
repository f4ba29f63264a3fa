// Writes the sound decoder's seed corpus: a short sound in every container and encoding the file
// reader writes itself, plus one small module per tracker format. Each seed is checked to open in
// the game's decoder before it is written. A few containers stamp the date or a random stream
// serial, so those seeds differ by a few bytes from one run to the next.
//
//   genere_corpus_son tests/fuzz/corpus/decodeur_son
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "audio/son_decodeur.h"
#include "corpus_son_modules.h"

namespace {

// A growable buffer seen by the file writer as a file.
struct tTampon {
  std::vector<uint8_t> octets;
  sf_count_t pos = 0;
};

sf_count_t taille(void* u) { return static_cast<sf_count_t>(static_cast<tTampon*>(u)->octets.size()); }

sf_count_t cherche(sf_count_t decalage, int depuis, void* u) {
  auto* t = static_cast<tTampon*>(u);
  const sf_count_t base = depuis == SEEK_CUR ? t->pos : depuis == SEEK_END ? taille(u) : 0;
  if (base + decalage < 0) return -1;
  t->pos = base + decalage;
  return t->pos;
}

sf_count_t lit(void* dest, sf_count_t n, void* u) {
  auto* t = static_cast<tTampon*>(u);
  const sf_count_t reste = taille(u) - t->pos;
  if (n > reste) n = reste;
  if (n <= 0) return 0;
  std::memcpy(dest, t->octets.data() + t->pos, static_cast<size_t>(n));
  t->pos += n;
  return n;
}

sf_count_t ecrit(const void* src, sf_count_t n, void* u) {
  auto* t = static_cast<tTampon*>(u);
  if (n <= 0) return 0;
  const size_t fin = static_cast<size_t>(t->pos + n);
  if (t->octets.size() < fin) t->octets.resize(fin, 0);
  std::memcpy(t->octets.data() + t->pos, src, static_cast<size_t>(n));
  t->pos += n;
  return n;
}

sf_count_t dit(void* u) { return static_cast<tTampon*>(u)->pos; }

struct tFormat {
  const char* nom;
  int format;
  int frequence;
  int canaux;
  int trames;
};

// Few frames at low rates keep each seed to a few hundred bytes; the lossy codecs need a whole
// block or two to say anything at all.
const tFormat FORMATS[] = {
    {"pcm16_mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 200},
    {"pcm16_stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, 150},
    {"pcm_u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1, 300},
    {"pcm24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 8000, 2, 100},
    {"pcm32.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 8000, 1, 100},
    {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 1, 100},
    {"double.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 8000, 1, 60},
    {"ulaw.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW, 8000, 1, 300},
    {"alaw.wav", SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 1, 300},
    {"ima_adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 8000, 2, 600},
    {"ms_adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 8000, 1, 600},
    {"gsm610.wav", SF_FORMAT_WAV | SF_FORMAT_GSM610, 8000, 1, 640},
    {"g721.wav", SF_FORMAT_WAV | SF_FORMAT_G721_32, 8000, 1, 400},
    {"extensible.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 16000, 2, 100},
    {"pcm16.rf64", SF_FORMAT_RF64 | SF_FORMAT_PCM_16, 8000, 1, 100},
    {"pcm16.w64", SF_FORMAT_W64 | SF_FORMAT_PCM_16, 8000, 1, 100},
    {"pcm16.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 8000, 2, 100},
    {"ima_adpcm.aifc", SF_FORMAT_AIFF | SF_FORMAT_IMA_ADPCM, 8000, 1, 300},
    {"float.aiff", SF_FORMAT_AIFF | SF_FORMAT_FLOAT, 8000, 1, 80},
    {"pcm16.au", SF_FORMAT_AU | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"g723.au", SF_FORMAT_AU | SF_FORMAT_G723_24, 8000, 1, 400},
    {"pcm16.caf", SF_FORMAT_CAF | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"alac.caf", SF_FORMAT_CAF | SF_FORMAT_ALAC_16, 8000, 1, 400},
    {"pcm16.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000, 1, 400},
    {"vorbis.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 8000, 1, 800},
    {"opus.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 8000, 1, 800},
    {"layer3.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 8000, 1, 1152},
    {"pcm8.iff", SF_FORMAT_SVX | SF_FORMAT_PCM_S8, 8000, 1, 300},
    {"pcm16.voc", SF_FORMAT_VOC | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.paf", SF_FORMAT_PAF | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.nist", SF_FORMAT_NIST | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.sf", SF_FORMAT_IRCAM | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.avr", SF_FORMAT_AVR | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.htk", SF_FORMAT_HTK | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"double.mat4", SF_FORMAT_MAT4 | SF_FORMAT_DOUBLE, 8000, 1, 60},
    {"pcm16.mat5", SF_FORMAT_MAT5 | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"pcm16.pvf", SF_FORMAT_PVF | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"dpcm16.xi", SF_FORMAT_XI | SF_FORMAT_DPCM_16, 8000, 1, 150},
    {"pcm16.mpc", SF_FORMAT_MPC2K | SF_FORMAT_PCM_16, 8000, 2, 100},
    {"pcm16.sds", SF_FORMAT_SDS | SF_FORMAT_PCM_16, 8000, 1, 150},
    {"nms_adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_NMS_ADPCM_32, 8000, 1, 320},
    {"wve.wve", SF_FORMAT_WVE | SF_FORMAT_ALAW, 8000, 1, 300},
};

bool encode(const tFormat& f, std::vector<uint8_t>& octets, std::string& erreur) {
  std::vector<short> pcm(static_cast<size_t>(f.trames * f.canaux));
  for (int i = 0; i < f.trames; i++)
    for (int c = 0; c < f.canaux; c++) {
      // A rising tone, different on each side.
      const double t = static_cast<double>(i) / f.frequence;
      pcm[static_cast<size_t>(i * f.canaux + c)] =
          static_cast<short>(16000.0 * std::sin(2.0 * M_PI * (440.0 * (c + 1) + 400.0 * t) * t));
    }
  tTampon t;
  SF_VIRTUAL_IO io{taille, cherche, lit, ecrit, dit};
  SF_INFO info{};
  info.samplerate = f.frequence;
  info.channels = f.canaux;
  info.format = f.format;
  SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &t);
  if (!sf) {
    erreur = sf_strerror(nullptr);
    return false;
  }
  const bool ok = sf_writef_short(sf, pcm.data(), f.trames) == f.trames;
  if (sf_close(sf) != 0 || !ok) {
    erreur = "short write";
    return false;
  }
  octets = std::move(t.octets);
  return true;
}

bool ecrit_graine(const std::string& dossier, const tGraine& g) {
  auto d = ouvre_decodeur(g.octets, false);
  if (!d) {
    std::fprintf(stderr, "%s: the decoder refuses it\n", g.nom.c_str());
    return false;
  }
  std::vector<int16_t> pcm;
  int frequence = 0, canaux = 0;
  decode_tout(g.octets, 44100L * 10, pcm, frequence, canaux);
  std::printf("%-20s %6zu bytes  %d Hz x%d  %.3f s (%zu frames decoded)\n", g.nom.c_str(), g.octets.size(), frequence,
              canaux, d->duree(), pcm.size() / static_cast<size_t>(canaux));
  const std::string chemin = dossier + "/" + g.nom;
  FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(g.octets.data(), 1, g.octets.size(), f) == g.octets.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  std::vector<tGraine> graines;
  int echecs = 0;
  for (const tFormat& f : FORMATS) {
    tGraine g{f.nom, {}};
    std::string erreur;
    if (!encode(f, g.octets, erreur)) {
      std::fprintf(stderr, "%s: %s\n", f.nom, erreur.c_str());
      echecs++;
      continue;
    }
    graines.push_back(std::move(g));
  }
  for (tGraine& g : graines_modules()) graines.push_back(std::move(g));
  for (const tGraine& g : graines)
    if (!ecrit_graine(argv[1], g)) echecs++;
  return echecs == 0 ? 0 : 1;
}
