#ifndef TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_
#define TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_

#include <string>
#include <vector>

#include "forms/core/form.h"
#include "quiz/built_in_exercise.h"
#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/trovanel_app.h"
#include "app/trovanel_layout.h"

namespace trovanel::testing {

// The real form with the real controller, acted on as the pupil would.
class QuizHarness {
 public:
  explicit QuizHarness(const forms::FormDescription& layout = BuiltInLayout())
      : app_(layout, quiz::BuiltInExercise()) {
    app_.form().SetErrorReporter([this](const forms::RuntimeError& error) {
      reports_.push_back(error.code());
    });
    app_.Load();
  }

  void ChooseGait(int16_t gait) {
    app_.form().UserChoosesOption(
        trovanel_test::FindControl<forms::OptionButton>(app_.form(),
                                                        kOptionArray, gait));
  }
  void ChooseRow(int16_t row) {
    app_.form().UserSelectsRow(List(kDescriptionList), row);
  }

  std::string Message() {
    return trovanel_test::FindControl<forms::TextBox>(app_.form(), kTextArray,
                                                      kMessageBox)
        .text();
  }
  forms::ListBox& List(int16_t member) {
    return trovanel_test::FindControl<forms::ListBox>(app_.form(), kListArray,
                                                      member);
  }
  int ChosenGait() {
    return trovanel_test::ChosenMember(app_.form(), kOptionArray);
  }

  const std::vector<forms::ErrorCode>& reports() const { return reports_; }

 private:
  TrovanelApp app_;
  std::vector<forms::ErrorCode> reports_;
};

}  // namespace trovanel::testing

#endif  // TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_
