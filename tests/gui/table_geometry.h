#ifndef TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_
#define TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_

#include <cstdint>
#include <string_view>

#include "forms/core/form_description.h"
#include "forms/core/units.h"

namespace trovanel_test {

// The tests' display sets no Xft.dpi, so the window is laid out at 96 dpi.
inline constexpr int kTestDpi = 96;

struct Rect {
  int x, y, width, height;
  bool Contains(int px, int py) const {
    return px >= x && px < x + width && py >= y && py < y + height;
  }
};

// A control of the Trovanel layout; aborts when there is none.
const forms::ControlDescription& TableControl(std::string_view array,
                                              int16_t member);
// Its rectangle in the client area, from the table alone.
Rect TableRect(const forms::ControlDescription& control);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_
