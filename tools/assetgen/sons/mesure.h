// Objective measures of a sound, for checking the generated bank: level, brightness, loop seam.
//
//   tMesureSon m = mesure_son(son);
//   // m.saut_boucle near 1: the wrap is an ordinary step; far above 1: it clicks.
#pragma once

#include <complex>
#include <vector>

#include "assetgen/sons/sons.h"

struct tMesureSon {
  double duree_s = 0;
  double crete_dbfs = -200;  // largest |sample| relative to full scale
  double rms_dbfs = -200;
  double centroide_hz = 0;   // energy-weighted spectral centroid
  // Step across the wrap (last frame to first) over the mean sample-to-sample step, largest over
  // the channels.
  double saut_boucle = 0;
  // Share of the ordinary steps that are smaller than the step across the wrap, largest over the
  // channels: a click at the wrap stands above nearly all of them.
  double rang_saut = 0;
};

tMesureSon mesure_son(const tSonPCM& son);

// In-place radix-2 FFT; the size is a power of two.
void fft(std::vector<std::complex<double>>& a);
