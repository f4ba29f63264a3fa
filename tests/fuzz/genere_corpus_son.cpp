// Writes the sound decoder's seed corpus: a short sound in every container and encoding the file
// reader writes itself, and a small IT module from the asset generator's own writer. Each seed is
// checked to open in the game's decoder. The MOD, S3M and XM seeds were laid out by hand and stay
// as they are. A few containers stamp the date or a random stream serial, so those seeds differ by
// a few bytes from one run to the next.
//
//   genere_corpus_son tests/fuzz/corpus/decodeur_son
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assetgen/musique/module_it.h"
#include "audio/son_decodeur.h"

namespace {

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

bool ecrit_son(const std::string& chemin, const tFormat& f) {
  std::vector<short> pcm(static_cast<size_t>(f.trames * f.canaux));
  for (size_t i = 0; i < pcm.size(); i++) {
    // A rising tone, different on each side.
    const double t = static_cast<double>(i / f.canaux) / f.frequence;
    const int c = static_cast<int>(i % f.canaux);
    pcm[i] = static_cast<short>(16000.0 * std::sin(2.0 * M_PI * (440.0 * (c + 1) + 400.0 * t) * t));
  }
  SF_INFO info{};
  info.samplerate = f.frequence;
  info.channels = f.canaux;
  info.format = f.format;
  SNDFILE* sf = sf_open(chemin.c_str(), SFM_WRITE, &info);
  if (!sf) return false;
  const bool ok = sf_writef_short(sf, pcm.data(), f.trames) == f.trames;
  return sf_close(sf) == 0 && ok;
}

// A few rows of two short samples, one looped, through an instrument with a sustained envelope,
// a filter, a fade and a new-note action; speed 1, tempo 255 and a jump back to the first order
// after eight rows, so the song ends within a fraction of a second.
bool ecrit_module(const std::string& chemin) {
  tModuleIT m;
  m.nom = "graine";
  m.canaux = 2;
  m.vitesse = 1;
  m.tempo = 255;
  tEchantillonIT onde, coup;
  onde.nom = "onde";
  coup.nom = "coup";
  for (int i = 0; i < 64; i++) onde.pcm.push_back(static_cast<int16_t>(20000 * std::sin(2 * M_PI * i / 64)));
  for (int i = 0; i < 48; i++) coup.pcm.push_back(static_cast<int16_t>(onde.pcm[i] * (48 - i) / 48));
  onde.boucle = true;
  onde.fin_boucle = 64;
  m.echantillons = {onde, coup};
  tInstrumentIT nappe, sec;
  nappe.nom = "nappe";
  nappe.zones = {{59, 1}, {119, 2}};
  nappe.nna = 3;
  nappe.fondu = 256;
  nappe.coupure = 90;
  nappe.resonance = 40;
  tEnveloppeIT& e = nappe.enveloppe_volume;
  e.active = e.maintien = true;
  e.points = {{0, 64}, {3, 40}, {8, 0}};
  e.debut_maintien = e.fin_maintien = 1;
  sec.nom = "sec";
  sec.zones = {{119, 2}};
  m.instruments = {nappe, sec};
  tPatternIT p(32, m.canaux);
  for (int rang = 0; rang < 8; rang++) {
    p.at(rang, 0) = {48 + rang * 2, 1, -1, 0, 0};
    if (rang % 2 == 0) p.at(rang, 1) = {60 + rang, 2, 48, 0, 0};
  }
  p.at(2, 0).effet = IT_EFFET_VIBRATO;
  p.at(2, 0).parametre = 0x48;
  p.at(4, 0).note = IT_NOTE_RELACHE;
  p.at(5, 1).note = IT_NOTE_COUPE;
  p.at(7, 1).effet = IT_EFFET_SAUT_ORDRE;
  m.patterns = {p};
  m.ordres = {0};
  std::vector<uint8_t> octets;
  std::ofstream f(chemin, std::ios::binary);
  return ecrit_module_it(m, octets, nullptr) && f.write(reinterpret_cast<const char*>(octets.data()),
                                                        static_cast<std::streamsize>(octets.size()));
}

// The seed as written must open in the game's decoder.
bool verifie(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::vector<uint8_t> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  auto d = ouvre_decodeur(octets, false);
  if (d) std::printf("%-40s %6zu bytes  %d Hz x%d  %.3f s\n", chemin.c_str(), octets.size(), d->frequence(),
                     d->canaux(), d->duree());
  return d != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const std::string dossier = argv[1];
  int echecs = 0;
  for (const tFormat& f : FORMATS) {
    const std::string chemin = dossier + "/" + f.nom;
    if (!ecrit_son(chemin, f) || !verifie(chemin)) {
      std::fprintf(stderr, "%s: not written or refused by the decoder\n", f.nom);
      echecs++;
    }
  }
  if (!ecrit_module(dossier + "/onde.it") || !verifie(dossier + "/onde.it")) {
    std::fprintf(stderr, "onde.it: not written or refused by the decoder\n");
    echecs++;
  }
  return echecs == 0 ? 0 : 1;
}
