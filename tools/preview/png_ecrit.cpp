// PNG output through libpng, rows flipped from OpenGL's bottom-up order.
#include "png_ecrit.h"

#include <png.h>

#include <cstdio>

bool ecrit_png(const std::string& chemin, int largeur, int hauteur, const std::vector<uint8_t>& rgb) {
  if (largeur <= 0 || hauteur <= 0 || rgb.size() < size_t(largeur) * hauteur * 3) return false;
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, largeur, hauteur, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = hauteur - 1; y >= 0; y--) {
    png_write_row(png, const_cast<png_bytep>(rgb.data() + size_t(y) * largeur * 3));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}
