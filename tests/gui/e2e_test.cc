// The Trovanel window with the real backend on a real X display, in the
// test's own process: every scenario of tests/scenarios played with XTest
// clicks and keys, and read back from the model and from the widgets.

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include <string>

#include "forms/fltk/text_widget.h"
#include "quiz/quiz_content.h"
#include "tests/gui/window_under_test.h"
#include "tests/support/answers.h"
#include "tests/support/form_lookup.h"
#include "tests/support/scenario.h"
#include "window/trovanel_layout.h"
// clang-format on

namespace trovanel_test {

// Names a scenario in the test's output.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kOptionArray;

class Harness {
 public:
  // The model holds the text exactly; the box shows it with its line breaks.
  void ExpectMessage(std::string_view text) {
    const auto& box = FindControl<forms::TextBox>(
        window_.form(), trovanel::kTextArray, trovanel::kMessageBox);
    EXPECT_TRUE(box.text() == text) << "the model holds: " << box.text();
    EXPECT_TRUE(window_.ShownMessage() ==
                forms::fltk::TextWidget::ForDisplay(text))
        << "the box shows: " << window_.ShownMessage();
  }
  void ExpectChosen(int member) {
    EXPECT_EQ(ChosenMember(window_.form(), kOptionArray), member);
    EXPECT_EQ(window_.ShownOption(), member);
  }
  void ExpectSelected(int row) {
    EXPECT_EQ(FindControl<forms::ListBox>(window_.form(), kListArray,
                                          kDescriptionList)
                  .current_row(),
              row);
    EXPECT_EQ(window_.ShownRow(), row);
  }

  void Play(const Step& step) {
    switch (step.kind) {
      case Step::Kind::kOption:
        return window_.ClickOption(step.number);
      case Step::Kind::kRow:
        return window_.ClickRow(step.number);
      case Step::Kind::kPressBack:
        return window_.PressBack(step.number);
      case Step::Kind::kKey:
        EXPECT_TRUE(window_.Key(step.text)) << "no such key";
        return;
      case Step::Kind::kSayStart:
        return ExpectMessage(quiz::kStartText);
      case Step::Kind::kSay:
        return ExpectMessage(step.text);
      case Step::Kind::kFocus:
        EXPECT_EQ(window_.Focus(),
                  step.number < 0
                      ? step.text
                      : step.text + " " + std::to_string(step.number));
        return;
      case Step::Kind::kChosen:
        return ExpectChosen(step.number);
      case Step::Kind::kSelected:
        return ExpectSelected(step.number);
    }
  }

  WindowUnderTest& window() { return window_; }

 private:
  WindowUnderTest window_;
};

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheScenarioSays) {
  Harness harness;
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE(step.where);
    harness.Play(step);
  }
  EXPECT_EQ(harness.window().reported_error(), "");
}

INSTANTIATE_TEST_SUITE_P(Pupil, ScenarioTest,
                         ::testing::ValuesIn(AllScenarios()),
                         [](const auto& info) { return info.param.name; });

// Every option and every row, clicked where the layout puts it.
TEST(TrovanelWindow, EveryPairOfClicksGetsItsAnswer) {
  Harness harness;
  for (int gait = 0; gait < kGaits; ++gait) {
    for (int row = 0; row < kRows; ++row) {
      SCOPED_TRACE("gait " + std::to_string(gait) + ", row " +
                   std::to_string(row));
      harness.window().ClickOption(gait);
      harness.window().ClickRow(row);
      harness.ExpectChosen(gait);
      harness.ExpectSelected(row);
      harness.ExpectMessage(Verdict(gait, row));
    }
  }
}

TEST(TrovanelWindow, HiddenControlsHaveNoWidget) {
  WindowUnderTest window;
  for (const auto& control : window.form().controls()) {
    SCOPED_TRACE(ControlName(control->array(), control->member()));
    Fl_Widget* widget = window.window().WidgetFor(*control);
    EXPECT_EQ(widget != nullptr, control->description().visible);
    if (widget != nullptr) {
      EXPECT_TRUE(widget->visible_r());
    }
  }
}

}  // namespace
}  // namespace trovanel_test
