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
  Rect rect{forms::TwipsToPixels(control.left, kTestDpi),
            forms::TwipsToPixels(control.top, kTestDpi),
            forms::TwipsToPixels(control.width, kTestDpi),
            forms::TwipsToPixels(control.height, kTestDpi)};
  if (!control.container.empty()) {
    Rect outer = TableRect(TableControl(control.container, forms::kNoMember));
    rect.x += outer.x;
    rect.y += outer.y;
  }
  return rect;
}

}  // namespace trovanel_test
