// Every scenario of tests/scenarios, and every pair of choices, played on the
// Windows program's form and backend under Wine with real input.
#include <gtest/gtest.h>

#include <string>

#include "tests/windows/driver/session.h"

namespace trovanel_test {

namespace {

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheScenarioSays) {
  Session session;
  Play(session, GetParam());
  EXPECT_FALSE(session.input().exit_status());
}

INSTANTIATE_TEST_SUITE_P(Pupil, ScenarioTest,
                         ::testing::ValuesIn(AllScenarios()),
                         [](const auto& info) { return info.param.name; });

// The example files with more and fewer pairs, each opened from its file
// (on drive Z:, the Linux root) and played through its own scenario.
TEST(WindowsForm, OpensEachExampleFileAndPlaysItsScenario) {
  PlayExampleExercises(std::string("Z:") + TROVANEL_SOURCE_DIR,
                       [](const auto& opened, const Scenario& scenario) {
                         Session session(opened.layout(), opened.exercise());
                         Play(session, scenario);
                         EXPECT_FALSE(session.input().exit_status());
                       });
}

// Every gait with every row, by mouse.
TEST(WindowsForm, EveryPairGetsTheAnswerOfTheTable) {
  Session session;
  PlayEveryPair(session);
}

}  // namespace
}  // namespace trovanel_test
