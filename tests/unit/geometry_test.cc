// Where every backend puts the controls.
#include "forms/core/geometry.h"

#include <gtest/gtest.h>

#include <array>

#include "app/trovanel_app.h"

namespace {

using forms::ControlDescription;
using forms::ControlKind;
using forms::ControlRect;
using forms::Rect;

class GeometryTest : public ::testing::TestWithParam<int> {};

// Left edges that are not whole pixels: rounded one by one and added, the
// frame's and the option's would land a pixel off at most of these dpi.
TEST_P(GeometryTest, NestedControlsRoundTheirAbsolutePositionOnce) {
  const int dpi = GetParam();
  const std::array<ControlDescription, 2> controls = {
      ControlDescription{.array = "Frame1",
                         .kind = ControlKind::kFrame,
                         .left = 100,
                         .top = 1000,
                         .width = 1000,
                         .height = 1000},
      ControlDescription{.array = "Option1",
                         .member = 0,
                         .kind = ControlKind::kOptionButton,
                         .container = "Frame1",
                         .left = 100,
                         .top = 7,
                         .width = 907,
                         .height = 397}};
  const forms::FormDescription window = {
      .client_width = 2000, .client_height = 3000, .controls = controls};
  auto pixels = [dpi](int twips) { return (twips * dpi + 720) / 1440; };
  EXPECT_EQ(ControlRect(window, controls[1], dpi),
            (Rect{pixels(200), pixels(1007), pixels(907), pixels(397)}));
  EXPECT_EQ(ControlRect(window, controls[0], dpi),
            (Rect{pixels(100), pixels(1000), pixels(1000), pixels(1000)}));
  EXPECT_EQ(forms::ClientRect(window, dpi),
            (Rect{0, 0, pixels(2000), pixels(3000)}));
}

TEST_P(GeometryTest, TrovanelControlsLieInsideTheirContainers) {
  const int dpi = GetParam();
  const forms::FormDescription& window = trovanel::TrovanelLayout();
  const Rect client = forms::ClientRect(window, dpi);
  for (const ControlDescription& control : window.controls) {
    const Rect rect = ControlRect(window, control, dpi);
    if (control.container.empty()) {
      // The motto box lies partly outside the client area, but is hidden.
      if (control.visible) {
        EXPECT_TRUE(client.Contains(rect)) << control.array;
      }
      continue;
    }
    for (const ControlDescription& outer : window.controls) {
      if (outer.array == control.container) {
        EXPECT_TRUE(ControlRect(window, outer, dpi).Contains(rect))
            << control.array << control.member;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, GeometryTest,
                         ::testing::Values(96, 120, 144, 168, 192));

}  // namespace
