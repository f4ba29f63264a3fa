// Streams: a queue of OpenAL buffers per playing stream, refilled by the layer's own thread so
// that music goes on while the game calls nothing.
#include <chrono>

#include "audio/son_interne.h"

namespace son_detail {

namespace {

// Decodes the next block of the stream into `tampon`; false at the end of a stream that does
// not loop (or of one that gives nothing even from its start).
bool remplit(Son& son, ALuint tampon) {
  static thread_local std::vector<int16_t> pcm;
  const int canaux = son.nb_canaux_audio;
  pcm.resize(static_cast<size_t>(TRAMES_TAMPON_FLUX) * canaux);
  long n = son.decodeur->lit(pcm.data(), TRAMES_TAMPON_FLUX);
  if (n <= 0 && (son.mode & SON_MODE_BOUCLE) && son.decodeur->rembobine())
    n = son.decodeur->lit(pcm.data(), TRAMES_TAMPON_FLUX);
  if (n <= 0) return false;
  alBufferData(tampon, canaux == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, pcm.data(),
               static_cast<ALsizei>(n * canaux * static_cast<long>(sizeof(int16_t))), son.frequence);
  return true;
}

void alimente(Systeme& s, Canal& c) {
  Son& son = s.sons[static_cast<size_t>(c.son)];
  ALint traites = 0;
  alGetSourcei(c.source, AL_BUFFERS_PROCESSED, &traites);
  while (traites-- > 0) {
    ALuint b = 0;
    alSourceUnqueueBuffers(c.source, 1, &b);
    if (c.flux_fini) continue;
    if (remplit(son, b))
      alSourceQueueBuffers(c.source, 1, &b);
    else
      c.flux_fini = true;
  }
  if (c.en_pause) return;
  ALint etat = AL_STOPPED, en_file = 0;
  alGetSourcei(c.source, AL_SOURCE_STATE, &etat);
  alGetSourcei(c.source, AL_BUFFERS_QUEUED, &en_file);
  // The queue ran dry (a busy machine): start again where the data is, the song's last buffers
  // too. A song played to its end has none left queued.
  if (etat != AL_PLAYING && en_file > 0) alSourcePlay(c.source);
}

}  // namespace

void demarre_flux(Systeme&, Canal& c, Son& son) {
  son.decodeur->rembobine();
  int n = 0;
  for (; n < NB_TAMPONS_FLUX; ++n)
    if (!remplit(son, son.tampons_flux[n])) break;
  if (n > 0) alSourceQueueBuffers(c.source, n, son.tampons_flux);
  c.flux_fini = n < NB_TAMPONS_FLUX;
}

void fil_flux(Systeme* s) {
  std::unique_lock<std::mutex> l(son_verrou());
  while (!s->arret.load()) {
    for (Canal& c : s->canaux)
      if (c.serie && c.flux && c.son >= 0) alimente(*s, c);
    s->reveil.wait_for(l, std::chrono::milliseconds(10));
  }
}

}  // namespace son_detail
