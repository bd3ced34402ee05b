// The Trovanel window with the real backend on a real X display, in the
// test's own process: every scenario of tests/scenarios played with XTest
// clicks and keys, and read back from the model and from the widgets.

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "forms/fltk/text_widget.h"
#include "quiz/quiz_content.h"
#include "tests/gui/window_under_test.h"
#include "tests/support/answers.h"
#include "tests/support/form_lookup.h"
#include "tests/support/scenario.h"
#include "window/opened_exercise.h"
#include "window/trovanel_layout.h"
// clang-format on

namespace trovanel_test {

// Names a scenario in the test's output.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

namespace {

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kOptionArray;

// The model holds the text exactly; the box shows it with its line breaks.
void ExpectMessage(WindowUnderTest& window, std::string_view text) {
  const auto& box = FindControl<forms::TextBox>(
      window.form(), trovanel::kTextArray, trovanel::kMessageBox);
  EXPECT_TRUE(box.text() == text) << "the model holds: " << box.text();
  EXPECT_TRUE(window.ShownMessage() ==
              forms::fltk::TextWidget::ForDisplay(text))
      << "the box shows: " << window.ShownMessage();
}

void ExpectChosen(WindowUnderTest& window, int member) {
  EXPECT_EQ(ChosenMember(window.form(), kOptionArray), member);
  EXPECT_EQ(window.ShownOption(), member);
}

void ExpectSelected(WindowUnderTest& window, int row) {
  EXPECT_EQ(
      FindControl<forms::ListBox>(window.form(), kListArray, kDescriptionList)
          .current_row(),
      row);
  EXPECT_EQ(window.ShownRow(), row);
}

void Play(WindowUnderTest& window, const Step& step,
          std::string_view start_text = quiz::kStartText) {
  switch (step.kind) {
    case Step::Kind::kOption:
      return window.ClickOption(step.number);
    case Step::Kind::kRow:
      return window.ClickRow(step.number);
    case Step::Kind::kPressBack:
      return window.PressBack(step.number);
    case Step::Kind::kKey:
      EXPECT_TRUE(window.Key(step.text)) << "no such key";
      return;
    case Step::Kind::kSayStart:
      return ExpectMessage(window, start_text);
    case Step::Kind::kSay:
      return ExpectMessage(window, step.text);
    case Step::Kind::kFocus:
      EXPECT_EQ(window.Focus(),
                step.number < 0
                    ? step.text
                    : step.text + " " + std::to_string(step.number));
      return;
    case Step::Kind::kChosen:
      return ExpectChosen(window, step.number);
    case Step::Kind::kSelected:
      return ExpectSelected(window, step.number);
  }
}

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheScenarioSays) {
  WindowUnderTest window;
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE(step.where);
    Play(window, step);
  }
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
// scenario written for it in tests/scenarios/exercises.
TEST(TrovanelWindow, OpensEachExampleFileAndPlaysItsScenario) {
  for (const char* name : {"states-of-water", "cell-organelles"}) {
    SCOPED_TRACE(name);
    const std::string root = TROVANEL_SOURCE_DIR;
    const trovanel::OpenedExercise opened(
        ReadText(root + "/exercises/" + name + ".trovanel"), name);
    ASSERT_TRUE(opened.ok()) << opened.error();
    const auto scenarios = ParseScenarios(
        ReadText(root + "/tests/scenarios/exercises/" + name + ".txt")
            .value_or(""),
        name);
    ASSERT_FALSE(scenarios.empty());
    for (const Scenario& scenario : scenarios) {
      WindowUnderTest window(opened.layout(), opened.exercise());
      for (const Step& step : scenario.steps) {
        SCOPED_TRACE(step.where);
        Play(window, step, opened.exercise().start_text);
      }
      EXPECT_EQ(window.reported_error(), "");
    }
  }
}

// Every option and every row, clicked where the layout puts it.
TEST(TrovanelWindow, EveryPairOfClicksGetsItsAnswer) {
  WindowUnderTest window;
  for (int gait = 0; gait < kGaits; ++gait) {
    for (int row = 0; row < kRows; ++row) {
      SCOPED_TRACE("gait " + std::to_string(gait) + ", row " +
                   std::to_string(row));
      window.ClickOption(gait);
      window.ClickRow(row);
      ExpectChosen(window, gait);
      ExpectSelected(window, row);
      ExpectMessage(window, Verdict(gait, row));
    }
  }
}

}  // namespace
}  // namespace trovanel_test
