// Measures on captured sound for the listening tests: block levels, onsets, the dominant
// frequency of a stretch, band levels and the length of a decaying tail.
#pragma once

#include <cstddef>
#include <vector>

namespace analyse_son {

// Level in decibels of a linear ratio (floor at -240 dB).
double db(double rapport);
// Root mean square of x[debut, debut + n), clipped to the signal.
double rms(const std::vector<float>& x, size_t debut, size_t n);

// Times (seconds) where the signal starts sounding: the level over 5 ms blocks rises above
// `seuil_db` below the loudest block after staying under it for at least `silence_s`.
std::vector<double> debuts(const std::vector<float>& x, int frequence, double seuil_db = -30.0, double silence_s = 0.05);

// Magnitude spectrum of x[debut, debut + n) under a Hann window, zero-padded to a power of two of
// at least 4n points; bin k stands for k * frequence / (2 * (spectre.size() - 1)) Hz.
std::vector<double> spectre(const std::vector<float>& x, size_t debut, size_t n);
// Frequency of the strongest spectral peak between fmin and fmax, refined between bins.
double frequence_dominante(const std::vector<float>& x, size_t debut, size_t n, int frequence, double fmin,
                           double fmax);
// Energy of the spectrum between f1 and f2 (arbitrary unit, the same for every call with equal n).
double energie_bande(const std::vector<float>& x, size_t debut, size_t n, int frequence, double f1, double f2);

// Seconds from the loudest 10 ms block until the level stays `chute_db` below it.
double traine(const std::vector<float>& x, int frequence, double chute_db = 50.0);

}  // namespace analyse_son
