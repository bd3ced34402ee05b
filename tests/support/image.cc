#include "tests/support/image.h"

#include <cstdio>

namespace trovanel_test {

bool WritePpm(const Image& image, const std::string& path) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  std::fprintf(out, "P6\n%d %d\n255\n", image.width, image.height);
  for (const forms::Rgb& pixel : image.pixels) {
    const unsigned char rgb[3] = {pixel.red, pixel.green, pixel.blue};
    std::fwrite(rgb, 1, 3, out);
  }
  return std::fclose(out) == 0;
}

}  // namespace trovanel_test
