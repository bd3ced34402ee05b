#include "forms/core/text_width.h"

#include "forms/core/utf8.h"

namespace forms {
namespace {

int Advance(char32_t code) {
  for (size_t i = 0; i < kFontRangeCount; ++i) {
    const FontRange& range = kFontRanges[i];
    if (code >= range.first && code <= range.last) {
      return kFontAdvances[range.start + (code - range.first)];
    }
  }
  return kWidestAdvance;
}

}  // namespace

int TextWidthTwips(std::string_view utf8, int points) {
  int64_t units = 0;
  while (!utf8.empty()) {
    size_t length = 0;
    const char32_t code = FirstCodePoint(utf8, &length);
    units += length == 0 ? kWidestAdvance : Advance(code);
    utf8.remove_prefix(length == 0 ? 1 : length);
  }
  // A point is 20 twips.
  const int64_t scale = int64_t{points} * 20;
  return static_cast<int>((units * scale + kFontUnitsPerEm - 1) /
                          kFontUnitsPerEm);
}

}  // namespace forms
