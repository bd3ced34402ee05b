// Every scenario of tests/scenarios, and every pair of choices, played on the
// Windows program's form and backend under Wine with real input.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/answers.h"
#include "tests/windows/driver/scenario_player.h"
#include "window/opened_exercise.h"

namespace trovanel_test {

// Names a scenario in the test's output.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

namespace {

using Kind = Step::Kind;

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheScenarioSays) {
  Session session;
  for (const Step& step : GetParam().steps) Play(session, step);
  EXPECT_FALSE(session.input().exit_status());
}

INSTANTIATE_TEST_SUITE_P(Pupil, ScenarioTest,
                         ::testing::ValuesIn(AllScenarios()),
                         [](const auto& info) { return info.param.name; });

// The example files with more and fewer pairs, each opened from its file
// (on drive Z:, the Linux root) and played through its own scenario.
TEST(WindowsForm, OpensEachExampleFileAndPlaysItsScenario) {
  auto read = [](const std::string& path) -> std::optional<std::string> {
    std::ifstream in("Z:" + path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (const std::string name : {"states-of-water", "cell-organelles"}) {
    SCOPED_TRACE(name);
    const std::string root = TROVANEL_SOURCE_DIR;
    const trovanel::OpenedExercise opened(
        read(root + "/exercises/" + name + ".trovanel"), name);
    ASSERT_TRUE(opened.ok()) << opened.error();
    const auto scenarios = ParseScenarios(
        read(root + "/tests/scenarios/exercises/" + name + ".txt")
            .value_or(""),
        name);
    ASSERT_FALSE(scenarios.empty());
    for (const Scenario& scenario : scenarios) {
      Session session(opened.layout(), opened.exercise());
      for (const Step& step : scenario.steps) Play(session, step);
      EXPECT_FALSE(session.input().exit_status());
    }
  }
}

// Every gait with every row, by mouse, half of them row first.
TEST(WindowsForm, EveryPairGetsTheAnswerOfTheTable) {
  Session session;
  for (int gait = 0; gait < kGaits; ++gait) {
    for (int row = 0; row < kRows; ++row) {
      std::string where =
          "gait " + std::to_string(gait) + ", row " + std::to_string(row);
      Step option{Kind::kOption, gait, "", where};
      Step click_row{Kind::kRow, row, "", where};
      bool row_first = (gait + row) % 2 == 1;
      for (const Step& step :
           {row_first ? click_row : option, row_first ? option : click_row,
            Step{Kind::kSay, -1, std::string(Verdict(gait, row)), where},
            Step{Kind::kChosen, gait, "", where},
            Step{Kind::kSelected, row, "", where}}) {
        Play(session, step);
      }
    }
  }
}

}  // namespace
}  // namespace trovanel_test
