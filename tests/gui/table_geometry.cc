#include "tests/gui/table_geometry.h"

#include <cstdlib>

#include "forms/core/units.h"
#include "window/trovanel_layout.h"

namespace trovanel_test {

const forms::ControlDescription& TableControl(std::string_view array,
                                              int16_t member) {
  for (const auto& control : trovanel::TrovanelLayout().controls) {
    if (control.array == array && control.member == member) return control;
  }
  std::abort();
}

Rect TableRect(const forms::ControlDescription& control) {
  return forms::ControlRect(trovanel::TrovanelLayout(), control, kTestDpi);
}

Pixel ToPixel(uint32_t stored) {
  forms::Rgb rgb = forms::StoredColorToRgb(stored);
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace trovanel_test
