// Where every backend puts the controls and where the keys move the focus.
#include "forms/core/geometry.h"

#include <gtest/gtest.h>

#include <array>

#include "forms/core/keyboard_order.h"
#include "window/trovanel_app.h"

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

class KeyboardOrderTest : public ::testing::Test {
 protected:
  forms::Control* Find(std::string_view array, int16_t member) {
    forms::Control* control = nullptr;
    EXPECT_EQ(app_.form().Find(array, member, &control),
              forms::CallStatus::kOk);
    return control;
  }
  forms::OptionButton* Option(int16_t member) {
    return static_cast<forms::OptionButton*>(Find("Option1", member));
  }

  trovanel::TrovanelApp app_;
};

TEST_F(KeyboardOrderTest,
       TabVisitsMessageBoxGroupAndListWithTheGroupAsOneStop) {
  app_.Load();
  forms::KeyboardOrder order(app_.form());
  forms::Control* message = Find("Text1", 0);
  forms::Control* list = Find("List1", 0);
  ASSERT_EQ(order.stops().size(), 3u);
  EXPECT_EQ(order.First(), message);
  // Tab indices 4, 5, 6, 7, 8 are members 4, 3, 0, 1, 2.
  EXPECT_EQ(order.Next(*message, true), Option(4));
  EXPECT_EQ(order.Next(*Option(4), true), list);
  EXPECT_EQ(order.Next(*list, true), message);
  EXPECT_EQ(order.Next(*list, false), Option(2));
  EXPECT_EQ(order.Next(*Option(2), false), message);
  EXPECT_EQ(order.Next(*message, false), list);
  // The labels, the frame and the hidden controls take no focus.
  EXPECT_EQ(order.Next(*Find("Label1", 0), true), message);
  EXPECT_EQ(order.Next(*Find("List1", 1), false), list);
}

TEST_F(KeyboardOrderTest, AChosenOptionIsWhereTheGroupIsEntered) {
  app_.Load();
  forms::CheckStatus(Option(1)->Choose());
  forms::KeyboardOrder order(app_.form());
  EXPECT_EQ(order.Next(*Find("Text1", 0), true), Option(1));
  EXPECT_EQ(order.Next(*Find("List1", 0), false), Option(1));
}

TEST_F(KeyboardOrderTest, ArrowsWalkTheGroupTopToBottomAndWrap) {
  forms::KeyboardOrder order(app_.form());
  for (int16_t member = 0; member < 5; ++member) {
    EXPECT_EQ(order.Neighbour(*Option(member), 1), Option((member + 1) % 5));
    EXPECT_EQ(order.Neighbour(*Option(member), -1), Option((member + 4) % 5));
  }
}

}  // namespace
