#include <array>
#include <string>
#include <vector>

#include "forms/core/form.h"
#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz/quiz_controller.h"
#include "quiz_harness.h"
#include "tests/support/answers.h"
#include "tests/support/changed_layout.h"
#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/form_quiz_view.h"
#include "app/trovanel_layout.h"

namespace trovanel::testing {
namespace {

using forms::ErrorCode;
using trovanel_test::ChangedLayout;
using trovanel_test::FindControl;
using trovanel_test::kCorrect;
using trovanel_test::kMissingChoice;

TEST(QuizFailureTest, AnAbsentKeyListEndsTheCheckAndIsReported) {
  const ChangedLayout changed(kListArray, kDescriptionKeyList);
  QuizHarness quiz(changed.layout());
  quiz.ChooseGait(1);
  EXPECT_EQ(quiz.Message(), kMissingChoice);
  EXPECT_TRUE(quiz.reports().empty());

  quiz.ChooseRow(3);
  EXPECT_EQ(quiz.reports(), std::vector<ErrorCode>{ErrorCode::kNoSuchControl});
  // Nothing after the failing call ran: no row marked, no verdict.
  EXPECT_EQ(quiz.List(kGaitKeyList).current_row(), -1);
  EXPECT_EQ(quiz.Message(), kMissingChoice);

  quiz.ChooseGait(2);  // the program is ending
  EXPECT_EQ(quiz.ChosenGait(), 1);
  EXPECT_EQ(quiz.reports().size(), 1u);
}

TEST(QuizFailureTest, AKeyListWithTooFewRowsIsARowOutOfRange) {
  const auto changed = ChangedLayout::ShortGaitKeys(3);
  QuizHarness quiz(changed.layout());
  quiz.ChooseRow(0);
  quiz.ChooseGait(2);
  EXPECT_EQ(quiz.Message(), kCorrect);
  quiz.ChooseGait(4);
  EXPECT_EQ(quiz.reports(), std::vector<ErrorCode>{ErrorCode::kRowOutOfRange});
  EXPECT_EQ(quiz.Message(), kCorrect);
}

// The keys are read back as text and converted as the runtime converts:
// the description key is rounded half to even, the gait key is not.
TEST(QuizFailureTest, KeyTextsAreConvertedAtEveryCheck) {
  const std::array<std::string_view, 5> description_keys = {"2.5", " 1abc",
                                                            "99999", "3", "2"};
  const ChangedLayout changed(kListArray, kDescriptionKeyList, [&](auto& list) {
    list.rows = description_keys;
  });
  QuizHarness quiz(changed.layout());
  quiz.ChooseGait(4);  // key "2"
  quiz.ChooseRow(0);   // "2.5" rounds to 2
  EXPECT_EQ(quiz.Message(), kCorrect);
  quiz.ChooseGait(3);  // key "1"
  quiz.ChooseRow(1);   // " 1abc" reads as 1
  EXPECT_EQ(quiz.Message(), kCorrect);
  EXPECT_TRUE(quiz.reports().empty());
  quiz.ChooseRow(2);  // 99999 does not fit 16 bits
  EXPECT_EQ(quiz.reports(), std::vector<ErrorCode>{ErrorCode::kOverflow});
}

// Fails the n-th call to set a list's row, as a failing control would.
class FailingView : public FormQuizView {
 public:
  FailingView(forms::Form& form, int failing_call)
      : FormQuizView(form), failing_call_(failing_call) {}
  void SetCurrentRow(int16_t list, int16_t row) override {
    if (++calls_ == failing_call_)
      forms::CheckStatus(forms::CallStatus::kFailed);
    FormQuizView::SetCurrentRow(list, row);
  }
  void SetMessage(std::string_view text) override {
    ++messages_;
    FormQuizView::SetMessage(text);
  }
  int messages() const { return messages_; }

 private:
  int failing_call_;
  int calls_ = 0;
  int messages_ = 0;
};

TEST(QuizFailureTest, AFailingControlCallLeavesTheHandlerAtOnce) {
  forms::Form form(BuiltInLayout());
  // Call 1 is ResetQuiz's; call 2 is the first check's mark of the gait key.
  FailingView view(form, 2);
  quiz::QuizController controller(view, quiz::BuiltInExercise());
  form.OnLoad([&] { controller.Form_Load(); });
  form.OnClick(kListArray, [&](int16_t m) { controller.List1_Click(m); });
  form.OnClick(kOptionArray, [&](int16_t m) { controller.Option1_Click(m); });
  std::vector<ErrorCode> reports;
  form.SetErrorReporter(
      [&](const forms::RuntimeError& e) { reports.push_back(e.code()); });
  form.Load();

  form.UserSelectsRow(
      FindControl<forms::ListBox>(form, kListArray, kDescriptionList), 4);
  EXPECT_EQ(view.messages(), 1);
  form.UserChoosesOption(
      FindControl<forms::OptionButton>(form, kOptionArray, 0));
  EXPECT_EQ(reports, std::vector<ErrorCode>{ErrorCode::kControlCallFailed});
  EXPECT_EQ(view.messages(), 1);
}

}  // namespace
}  // namespace trovanel::testing
