#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz_harness.h"
#include "tests/support/answers.h"

namespace trovanel::testing {
namespace {

// Actions 0 to 4 choose that gait, 5 to 9 choose description row action - 5.
constexpr int kActionCount = 10;

// What the pupil should see, worked out from the choices alone.
struct Oracle {
  int gait = -1;
  int row = -1;
  bool checked = false;

  void Apply(int action) {
    int& choice = action < 5 ? gait : row;
    int value = action % 5;
    if (choice == value) return;  // no change, no check
    choice = value;
    checked = true;
  }
  std::string_view Message() const {
    if (!checked) return quiz::BuiltInExercise().start_text;
    if (gait < 0 || row < 0) return trovanel_test::kMissingChoice;
    return trovanel_test::Verdict(gait, row);
  }
};

// Plays the actions on a fresh form, comparing after every step.
void PlayAndCompare(const std::vector<int>& actions) {
  QuizHarness quiz;
  Oracle oracle;
  for (size_t step = 0; step < actions.size(); ++step) {
    int action = actions[step];
    if (action < 5) {
      quiz.ChooseGait(static_cast<int16_t>(action));
    } else {
      quiz.ChooseRow(static_cast<int16_t>(action - 5));
    }
    oracle.Apply(action);

    // The message, the option, the row and the rows marked on the key lists;
    // gtest prints both sides of a difference, the actions only then.
    const bool full = oracle.gait >= 0 && oracle.row >= 0;
    EXPECT_EQ(
        std::make_tuple(quiz.Message(), quiz.ChosenGait(),
                        quiz.List(kDescriptionList).current_row(),
                        quiz.List(kGaitKeyList).current_row(),
                        quiz.List(kDescriptionKeyList).current_row()),
        std::make_tuple(std::string(oracle.Message()), oracle.gait, oracle.row,
                        full ? oracle.gait : -1, full ? oracle.row : -1))
        << "after actions "
        << ::testing::PrintToString(
               std::vector<int>(actions.begin(), actions.begin() + step + 1));
    EXPECT_TRUE(quiz.reports().empty());
    if (::testing::Test::HasFailure()) return;
  }
}

// Every sequence of five actions; checking after each step covers all
// 111,110 sequences of one to five actions as their prefixes.
TEST(QuizModelTest, EverySequenceOfUpToFiveActionsMatchesTheOracle) {
  std::vector<int> actions(5, 0);
  for (int code = 0; code < 100000; ++code) {
    for (int i = 0, rest = code; i < 5; ++i, rest /= kActionCount) {
      actions[i] = rest % kActionCount;
    }
    PlayAndCompare(actions);
    if (HasFatalFailure() || HasNonfatalFailure()) return;
  }
}

TEST(QuizModelTest, LongRandomSequencesMatchTheOracle) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> pick(0, kActionCount - 1);
  std::vector<int> actions(50);
  for (int sequence = 0; sequence < 10000; ++sequence) {
    for (int& action : actions) action = pick(random);
    PlayAndCompare(actions);
    if (HasFatalFailure() || HasNonfatalFailure()) return;
  }
}

}  // namespace
}  // namespace trovanel::testing
