#ifndef TROVANEL_FORMS_CORE_UNITS_H_
#define TROVANEL_FORMS_CORE_UNITS_H_

#include <cstdint>

namespace forms {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// round(twips * dpi / 1440), halves away from zero.
int TwipsToPixels(int twips, int dpi);

// round(points * dpi / 72).
int PointsToPixels(int points, int dpi);

struct Rgb {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
  bool operator==(const Rgb&) const = default;
};

// Colours are stored as 0x00BBGGRR.
constexpr Rgb StoredColorToRgb(uint32_t stored) {
  return Rgb{static_cast<uint8_t>(stored & 0xFF),
             static_cast<uint8_t>((stored >> 8) & 0xFF),
             static_cast<uint8_t>((stored >> 16) & 0xFF)};
}

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_UNITS_H_
