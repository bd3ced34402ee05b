#ifndef TROVANEL_TESTS_SUPPORT_IMAGE_H_
#define TROVANEL_TESTS_SUPPORT_IMAGE_H_

#include <string>
#include <vector>

#include "forms/core/units.h"

namespace trovanel_test {

// A picture of a window's client area, row by row.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<forms::Rgb> pixels;
  forms::Rgb At(int x, int y) const { return pixels[y * width + x]; }
  bool operator==(const Image&) const = default;
};

// Binary PPM, which tests/support/reference_image.py reads; false when it
// cannot be written.
bool WritePpm(const Image& image, const std::string& path);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_IMAGE_H_
