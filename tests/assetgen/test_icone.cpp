// The desktop icon: an RGBA PNG at each size, the same rounded square drawn at every size.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "assetgen/icone/icone.h"

namespace {

uint32_t grand_boutiste(const std::vector<uint8_t>& o, size_t i) {
  return uint32_t(o[i]) << 24 | uint32_t(o[i + 1]) << 16 | uint32_t(o[i + 2]) << 8 | o[i + 3];
}

TEST(Icone, EachSizeIsAnRgbaPngOfThatSizeWithTransparentCorners) {
  std::vector<uint8_t> grande;
  dessine_icone(256, &grande);
  for (int taille : TAILLES_ICONE) {
    const std::vector<uint8_t> png = png_icone(taille);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(grand_boutiste(png, 16), uint32_t(taille));  // IHDR width and height
    EXPECT_EQ(grand_boutiste(png, 20), uint32_t(taille));
    EXPECT_EQ(png[25], 6);  // RGBA

    std::vector<uint8_t> rgba;
    dessine_icone(taille, &rgba);
    auto alpha = [&](int x, int y) { return rgba[(size_t(y) * taille + x) * 4 + 3]; };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(taille - 1, taille - 1), 0);
    EXPECT_EQ(alpha(taille / 2, taille / 2), 255);
    EXPECT_EQ(alpha(taille / 2, 2 * taille / 100 + 3), 255);
    // Drawn from the same shapes: each pixel is close to the mean of the large icon over it.
    const int k = 256 / taille;
    double ecart = 0;
    for (size_t p = 0; p < rgba.size(); p++) {
      const size_t x = p / 4 % taille, y = p / 4 / taille, c = p % 4;
      double m = 0;
      for (size_t j = 0; j < size_t(k); j++)
        for (size_t i = 0; i < size_t(k); i++) m += grande[((y * k + j) * 256 + x * k + i) * 4 + c];
      ecart += std::fabs(m / (k * k) - rgba[p]);
    }
    EXPECT_LT(ecart / (taille * taille * 4), 12.0) << taille;
  }
}

}  // namespace
