#include "forms/fltk/xpm_image.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string_view>
#include <vector>

namespace forms::fltk {

namespace {

using Rgba = std::array<uchar, 4>;

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t start = text.find_first_not_of(" \t");
  while (start != std::string_view::npos) {
    size_t end = text.find_first_of(" \t", start);
    words.push_back(text.substr(start, end - start));
    start = text.find_first_not_of(" \t", end);
  }
  return words;
}

// Transparent unless the value is "#" and three equal runs of hex digits.
Rgba ParseColor(std::string_view value) {
  Rgba color{0, 0, 0, 0};
  if (value.size() < 4 || value.size() > 13 || value[0] != '#' ||
      (value.size() - 1) % 3 != 0) {
    return color;
  }
  const size_t digits = (value.size() - 1) / 3;
  const unsigned top = (1u << (4 * digits)) - 1;
  for (size_t channel = 0; channel < 3; ++channel) {
    const char* first = value.data() + 1 + channel * digits;
    unsigned level = 0;
    if (std::from_chars(first, first + digits, level, 16).ptr !=
        first + digits) {
      return Rgba{0, 0, 0, 0};
    }
    color[channel] = static_cast<uchar>((level * 255 + top / 2) / top);
  }
  color[3] = 255;
  return color;
}

}  // namespace

std::unique_ptr<Fl_RGB_Image> ReadXpm(const char* const* xpm) {
  int width = 0;
  int height = 0;
  int colors = 0;
  int chars = 0;
  if (std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colors, &chars) !=
          4 ||
      width <= 0 || height <= 0 || colors <= 0 || chars <= 0) {
    return nullptr;
  }
  std::map<std::string_view, Rgba> palette;
  for (int i = 1; i <= colors; ++i) {
    const std::string_view line = xpm[i];
    if (line.size() < static_cast<size_t>(chars)) return nullptr;
    // After the key, pairs of a context and a value; "c" is the colour.
    const std::vector<std::string_view> words = Words(line.substr(chars));
    Rgba color{0, 0, 0, 0};
    for (size_t w = 0; w + 1 < words.size(); w += 2) {
      if (words[w] == "c") color = ParseColor(words[w + 1]);
    }
    palette[line.substr(0, chars)] = color;
  }
  const size_t row_length = static_cast<size_t>(width) * chars;
  auto* pixels = new uchar[static_cast<size_t>(width) * height * 4];
  auto image = std::make_unique<Fl_RGB_Image>(pixels, width, height, 4);
  image->alloc_array = 1;
  for (int y = 0; y < height; ++y) {
    const std::string_view row = xpm[1 + colors + y];
    if (row.size() != row_length) return nullptr;
    for (size_t at = 0; at < row_length; at += chars) {
      auto found = palette.find(row.substr(at, chars));
      if (found == palette.end()) return nullptr;
      for (uchar channel : found->second) *pixels++ = channel;
    }
  }
  return image;
}

}  // namespace forms::fltk
