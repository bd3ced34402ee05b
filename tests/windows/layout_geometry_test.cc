// The Windows backend's child window order and the colour probes, checked on
// the real layout without Windows.
#include "forms/win32/layout_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/windows/color_probes.h"
#include "window/trovanel_layout.h"

namespace {

using forms::Control;
using forms::ControlKind;
using forms::win32::NavigationOrder;

class LayoutGeometryTest : public ::testing::TestWithParam<int> {
 protected:
  forms::Form form_{trovanel::TrovanelLayout()};
};

// Each coloured control, though the options overlap one another, keeps a
// free spot where its colour shows.
TEST_P(LayoutGeometryTest, EveryBackColourHasAProbe) {
  auto probes = trovanel_test::BackColorProbes(form_, GetParam());
  // Every shown control with a colour of its own, and the window.
  int coloured = 0;
  for (const auto& control : form_.controls()) {
    const auto& own = control->description();
    coloured += own.visible && own.back_color.has_value();
  }
  EXPECT_EQ(probes.size(), static_cast<size_t>(coloured + 1));
}

INSTANTIATE_TEST_SUITE_P(Dpis, LayoutGeometryTest,
                         ::testing::Values(96, 120, 144, 192));

TEST(NavigationOrderTest, FollowsTheTabIndexWithTheOptionGroupTopToBottom) {
  forms::Form form(trovanel::TrovanelLayout());
  std::vector<Control*> order = NavigationOrder(form);

  // Only shown controls, each once.
  for (const auto& control : form.controls()) {
    auto count = std::count(order.begin(), order.end(), control.get());
    EXPECT_EQ(count, control->description().visible ? 1 : 0)
        << control->array() << " " << control->member();
  }
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front()->array(), trovanel::kTextArray);
  EXPECT_EQ(order.front()->member(), trovanel::kMessageBox);
  EXPECT_EQ(order.back()->kind(), ControlKind::kFrame);

  // The options are one run, top to bottom, at the place of the group's
  // first tab index; everything else keeps its tab index order.
  auto first_option = std::find_if(order.begin(), order.end(), [](auto* c) {
    return c->kind() == ControlKind::kOptionButton;
  });
  auto after_options = std::find_if(first_option, order.end(), [](auto* c) {
    return c->kind() != ControlKind::kOptionButton;
  });
  EXPECT_EQ(after_options - first_option, 5);
  EXPECT_TRUE(std::is_sorted(first_option, after_options, [](auto* a, auto* b) {
    return a->description().top < b->description().top;
  }));
  int group_tab_index = INT32_MAX;
  for (auto it = first_option; it != after_options; ++it) {
    group_tab_index = std::min(group_tab_index, (*it)->description().tab_index);
  }
  int previous = -1;
  for (Control* control : order) {
    if (control->kind() == ControlKind::kFrame) continue;
    int tab_index = control->kind() == ControlKind::kOptionButton
                        ? group_tab_index
                        : control->description().tab_index;
    EXPECT_GE(tab_index, previous) << control->array() << control->member();
    previous = tab_index;
  }
}

}  // namespace
