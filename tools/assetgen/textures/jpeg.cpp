// Baseline JPEG encoding in memory with libjpeg; its errors come back as a failure, not an exit.
#include "assetgen/textures/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cmath>

#include <jpeglib.h>

namespace {

struct tErreurJpeg {
  jpeg_error_mgr pub;
  std::jmp_buf saut;
  char message[JMSG_LENGTH_MAX];
};

void sortie_erreur(j_common_ptr info) {
  auto* e = reinterpret_cast<tErreurJpeg*>(info->err);
  (*info->err->format_message)(info, e->message);
  std::longjmp(e->saut, 1);
}

uint8_t octet(float x) {
  const float v = std::round(x * 255.0f);
  return uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Kept free of C++ objects with destructors: libjpeg's error path leaves it by longjmp.
bool encode(const uint8_t* rgb, int l, int h, int qualite, unsigned char** sortie, unsigned long* taille,
            char* message, size_t taille_message) {
  jpeg_compress_struct cinfo;
  tErreurJpeg err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = sortie_erreur;
  err.message[0] = 0;
  if (setjmp(err.saut)) {
    std::snprintf(message, taille_message, "libjpeg: %s", err.message);
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, sortie, taille);
  cinfo.image_width = JDIMENSION(l);
  cinfo.image_height = JDIMENSION(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, qualite, TRUE);  // baseline tables
  cinfo.optimize_coding = FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW ligne = const_cast<JSAMPROW>(rgb + size_t(cinfo.next_scanline) * size_t(l) * 3);
    jpeg_write_scanlines(&cinfo, &ligne, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

bool encode_jpeg(const tImage& image, int qualite, std::vector<uint8_t>* octets, std::string* erreur) {
  if (image.largeur <= 0 || image.hauteur <= 0 ||
      image.pixels.size() != size_t(image.largeur) * size_t(image.hauteur)) {
    if (erreur) *erreur = "empty or inconsistent image";
    return false;
  }
  std::vector<uint8_t> rgb(image.pixels.size() * 3);
  for (size_t i = 0; i < image.pixels.size(); i++) {
    rgb[3 * i] = octet(image.pixels[i].r);
    rgb[3 * i + 1] = octet(image.pixels[i].g);
    rgb[3 * i + 2] = octet(image.pixels[i].b);
  }
  unsigned char* sortie = nullptr;
  unsigned long taille = 0;
  char message[JMSG_LENGTH_MAX + 16];
  const bool ok = encode(rgb.data(), image.largeur, image.hauteur, qualite, &sortie, &taille, message, sizeof message);
  if (ok) octets->assign(sortie, sortie + taille);
  std::free(sortie);
  if (!ok && erreur) *erreur = message;
  return ok;
}
