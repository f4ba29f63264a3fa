// Decoders for the sound layer: WAV/OGG/FLAC through libsndfile, tracker modules through
// libopenmpt, both reading from a memory buffer that the decoder owns.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CDecodeurSon {
 public:
  virtual ~CDecodeurSon() = default;
  int frequence() const { return m_frequence; }
  int canaux() const { return m_canaux; }
  // Reads up to `trames` interleaved 16-bit frames; 0 at the end.
  virtual long lit(int16_t* sortie, long trames) = 0;
  // Back to the start; false when the source cannot seek.
  virtual bool rembobine() = 0;
  // Length of one pass in seconds (0 when unknown).
  virtual double duree() const = 0;

 protected:
  int m_frequence = 44100;
  int m_canaux = 2;
};

// Opens the bytes as a sound file or a tracker module; null when neither reads them.
// `boucle_module` makes a module replay its song forever (its own loops included).
std::unique_ptr<CDecodeurSon> ouvre_decodeur(std::vector<uint8_t> donnees, bool boucle_module);

// Decodes a whole buffer to 16-bit PCM, at most `trames_max` frames. False when nothing decodes.
bool decode_tout(std::vector<uint8_t> donnees, long trames_max, std::vector<int16_t>& pcm, int& frequence, int& canaux);
