#ifndef TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_
#define TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_

#include <cstdint>
#include <string_view>

#include "forms/core/form_description.h"
#include "forms/core/geometry.h"
#include "tests/gui/x_client.h"

namespace trovanel_test {

// The tests' display sets no Xft.dpi, so the window is laid out at 96 dpi.
inline constexpr int kTestDpi = 96;

using Rect = forms::Rect;

// A control of the Trovanel layout; aborts when there is none.
const forms::ControlDescription& TableControl(std::string_view array,
                                              int16_t member);
// Its rectangle in the client area, from the table alone.
Rect TableRect(const forms::ControlDescription& control);
Pixel ToPixel(uint32_t stored);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_GUI_TABLE_GEOMETRY_H_
