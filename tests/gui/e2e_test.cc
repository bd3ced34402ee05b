// The Trovanel window with the real backend on a real X display, in the
// test's own process: every scenario of tests/scenarios played with XTest
// clicks and keys, and read back from the model and from the widgets.

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include "tests/gui/window_under_test.h"
#include "tests/support/form_lookup.h"
#include "tests/support/scenario_player.h"
// clang-format on

namespace trovanel_test {

namespace {

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheScenarioSays) {
  WindowUnderTest window;
  Play(window, GetParam());
  EXPECT_EQ(window.reported_error(), "");
  // Whatever the pupil did, the hidden controls have not appeared.
  for (const auto& control : window.form().controls()) {
    const Fl_Widget* widget = window.window().WidgetFor(*control);
    EXPECT_EQ(widget != nullptr && widget->visible_r(),
              control->description().visible)
        << ControlName(control->array(), control->member());
  }
}

INSTANTIATE_TEST_SUITE_P(Pupil, ScenarioTest,
                         ::testing::ValuesIn(AllScenarios()),
                         [](const auto& info) { return info.param.name; });

// The example exercises, each opened from its file and played through the
// scenario written for it.
TEST(TrovanelWindow, OpensEachExampleFileAndPlaysItsScenario) {
  PlayExampleExercises(
      TROVANEL_SOURCE_DIR, [](const auto& opened, const Scenario& scenario) {
        WindowUnderTest window(opened.layout(), opened.exercise());
        Play(window, scenario);
        EXPECT_EQ(window.reported_error(), "");
      });
}

// Every option and every row, clicked where the layout puts it.
TEST(TrovanelWindow, EveryPairOfClicksGetsItsAnswer) {
  WindowUnderTest window;
  PlayEveryPair(window);
}

}  // namespace
}  // namespace trovanel_test
