#ifndef TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_
#define TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_

#include <array>
#include <string>
#include <vector>

#include "forms/core/form.h"
#include "window/trovanel_app.h"
#include "window/trovanel_layout.h"

namespace trovanel::testing {

// The right answers, written down here apart from the content tables: the
// description row that belongs to each gait.
inline constexpr std::array<int, 5> kRightRowOfGait = {4, 3, 0, 1, 2};

// The real form with the real controller, acted on as the pupil would.
class QuizHarness {
 public:
  explicit QuizHarness(const forms::FormDescription& layout = TrovanelLayout())
      : app_(layout) {
    app_.form().SetErrorReporter([this](const forms::RuntimeError& error) {
      reports_.push_back(error.code());
    });
    app_.Load();
  }

  void ChooseGait(int16_t gait) {
    app_.form().UserChoosesOption(Get<forms::OptionButton>(kOptionArray, gait));
  }
  void ChooseRow(int16_t row) {
    app_.form().UserSelectsRow(List(kDescriptionList), row);
  }

  std::string Message() {
    return Get<forms::TextBox>(kTextArray, kMessageBox).text();
  }
  forms::ListBox& List(int16_t member) {
    return Get<forms::ListBox>(kListArray, member);
  }
  // The one chosen option, or -1.
  int ChosenGait() {
    int chosen = -1;
    for (int16_t gait = 0; gait < 5; ++gait) {
      if (Get<forms::OptionButton>(kOptionArray, gait).chosen()) {
        if (chosen != -1) return -2;  // two at once is a fault
        chosen = gait;
      }
    }
    return chosen;
  }

  TrovanelApp& app() { return app_; }
  const std::vector<forms::ErrorCode>& reports() const { return reports_; }

 private:
  template <typename T>
  T& Get(const char* array, int16_t member) {
    T* control = nullptr;
    forms::CheckStatus(app_.form().FindAs(array, member, &control));
    return *control;
  }

  TrovanelApp app_;
  std::vector<forms::ErrorCode> reports_;
};

}  // namespace trovanel::testing

#endif  // TROVANEL_TESTS_UNIT_QUIZ_HARNESS_H_
