#include <string>
#include <tuple>
#include <vector>

#include "forms/core/form.h"
#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz/quiz_controller.h"
#include "tests/support/answers.h"
#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/form_quiz_view.h"
#include "app/trovanel_layout.h"

namespace trovanel::testing {
namespace {

using trovanel_test::FindControl;
using trovanel_test::kCorrect;

// Passes every call on to the real view and records the messages with the
// depth of nested SetCurrentRow calls they were set at.
class RecordingView : public quiz::QuizView {
 public:
  explicit RecordingView(quiz::QuizView& inner) : inner_(inner) {}

  std::string ItemText(int16_t list, int16_t row) override {
    return inner_.ItemText(list, row);
  }
  int16_t CurrentRow(int16_t list) override { return inner_.CurrentRow(list); }
  void SetCurrentRow(int16_t list, int16_t row) override {
    ++depth_;
    inner_.SetCurrentRow(list, row);
    --depth_;
  }
  void ClearOption(int16_t option) override { inner_.ClearOption(option); }
  void SetMessage(std::string_view text) override {
    messages_.push_back({std::string(text), depth_});
    inner_.SetMessage(text);
  }

  struct Message {
    std::string text;
    int depth;
  };
  std::vector<Message> TakeMessages() { return std::exchange(messages_, {}); }

 private:
  quiz::QuizView& inner_;
  int depth_ = 0;
  std::vector<Message> messages_;
};

class ReentryTest : public ::testing::Test {
 protected:
  ReentryTest() {
    form_.OnLoad([this] { controller_.Form_Load(); });
    form_.OnClick(kListArray,
                  [this](int16_t m) { controller_.List1_Click(m); });
    form_.OnClick(kOptionArray,
                  [this](int16_t m) { controller_.Option1_Click(m); });
    form_.Load();
  }

  forms::ListBox& List(int16_t member) {
    return FindControl<forms::ListBox>(form_, kListArray, member);
  }
  forms::OptionButton& Option(int16_t member) {
    return FindControl<forms::OptionButton>(form_, kOptionArray, member);
  }

  forms::Form form_{BuiltInLayout()};
  FormQuizView real_view_{form_};
  RecordingView view_{real_view_};
  quiz::QuizController controller_{view_, quiz::BuiltInExercise()};
};

TEST_F(ReentryTest, TheFirstFullCheckNestsTwiceAndEveryRunAgrees) {
  form_.UserSelectsRow(List(kDescriptionList), 1);
  view_.TakeMessages();
  form_.UserChoosesOption(Option(3));  // the key lists both move
  auto messages = view_.TakeMessages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].depth, 2);  // the innermost run finishes first
  EXPECT_EQ(messages[1].depth, 1);
  EXPECT_EQ(messages[2].depth, 0);
  for (const auto& message : messages) EXPECT_EQ(message.text, kCorrect);
}

TEST_F(ReentryTest, NestingNeverGoesDeeperThanTwoRunsBelowTheOuter) {
  const auto& box = FindControl<forms::TextBox>(form_, kTextArray, kMessageBox);
  auto expect_agreeing_runs = [&] {
    auto messages = view_.TakeMessages();
    for (const auto& message : messages) {
      EXPECT_LE(message.depth, 2);
      EXPECT_EQ(message.text, box.text());
    }
    return messages.size();
  };
  size_t runs = 0;
  for (int16_t gait = 0; gait < 5; ++gait) {
    for (int16_t row = 0; row < 5; ++row) {
      form_.UserChoosesOption(Option(gait));
      runs += expect_agreeing_runs();
      form_.UserSelectsRow(List(kDescriptionList), row);  // always a change
      EXPECT_GE(expect_agreeing_runs(), 1u);
    }
  }
  EXPECT_GE(runs, 5u);
}

// However deep a check nests, a learning platform hears each of the
// pupil's choices once, with the verdict the message box shows.
TEST_F(ReentryTest, EachChoiceIsToldOnceWithItsVerdict) {
  using Verdict = quiz::QuizController::Verdict;
  std::vector<std::tuple<int, int, Verdict>> told;
  controller_.OnCheck([&](int16_t option, int16_t row, Verdict verdict) {
    told.emplace_back(option, row, verdict);
  });
  form_.UserSelectsRow(List(kDescriptionList), 1);
  form_.UserChoosesOption(Option(3));
  form_.UserChoosesOption(Option(0));
  EXPECT_EQ(told, (std::vector<std::tuple<int, int, Verdict>>{
                      {-1, 1, Verdict::kMissing},
                      {3, 1, Verdict::kRight},
                      {0, 1, Verdict::kWrong}}));
}

}  // namespace
}  // namespace trovanel::testing
