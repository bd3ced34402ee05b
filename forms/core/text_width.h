#ifndef TROVANEL_FORMS_CORE_TEXT_WIDTH_H_
#define TROVANEL_FORMS_CORE_TEXT_WIDTH_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace forms {

// The width of one line of UTF-8 text in the forms' serif face at `points`,
// in twips, rounded up: the advance widths of Liberation Serif, which Times
// New Roman shares, so every backend lays out alike. A character the table
// lacks counts as the widest glyph.
int TextWidthTwips(std::string_view utf8, int points);

// The advance table, generated at build time from the font file.
struct FontRange {
  char32_t first;
  char32_t last;
  uint16_t start;  // index of `first` in kFontAdvances
};
extern const int kFontUnitsPerEm;
extern const int kWidestAdvance;
extern const FontRange kFontRanges[];
extern const size_t kFontRangeCount;
extern const uint16_t kFontAdvances[];

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_TEXT_WIDTH_H_
