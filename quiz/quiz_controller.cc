#include "quiz/quiz_controller.h"

#include "forms/core/conversions.h"

namespace quiz {

using forms::Variant;

void QuizController::Form_Load() { ResetQuiz(); }

// The key lists' clicks are the check's own nested runs: only the pupil's
// choices are told.
void QuizController::List1_Click(int16_t index) {
  if (index != kDescriptionList) {
    CheckAnswer();
    return;
  }
  selected_description_ = view_.CurrentRow(kDescriptionList);
  Tell(CheckAnswer());
}

void QuizController::Option1_Click(int16_t index) {
  selected_gait_ = Variant::Integer(index);
  Tell(CheckAnswer());
}

void QuizController::Tell(Verdict verdict) const {
  if (!on_check_) return;
  on_check_(forms::VariantToI2(selected_gait_),
            selected_description_ < 0 ? int16_t{-1} : selected_description_,
            verdict);
}

void QuizController::ResetQuiz() {
  const auto options = static_cast<int16_t>(exercise_.options.size());
  for (int16_t option = 0; option < options; ++option) {
    view_.ClearOption(option);
  }
  view_.SetCurrentRow(kDescriptionList, -1);
  selected_gait_ = Variant::Integer(-1);
  selected_description_ = -2;
}

// Marking the looked-up rows of the key lists raises their click events,
// which run this check again from inside SetCurrentRow; those nested runs
// see the same choices and rows, so they end within two levels and all set
// the same message.
QuizController::Verdict QuizController::CheckAnswer() {
  const Variant zero = Variant::Integer(0);
  const Variant missing = forms::VariantOr(
      forms::VariantLess(selected_gait_, zero),
      forms::VariantLess(Variant::Integer(selected_description_), zero));
  if (forms::VariantIsTrue(missing)) {
    view_.SetMessage(exercise_.missing_choice_message);
    return Verdict::kMissing;
  }

  const int16_t gait = forms::VariantToI2(selected_gait_);
  const double gait_key =
      forms::NumericPrefix(view_.ItemText(kGaitKeyList, gait));
  const int16_t description_key = forms::DoubleToI2(forms::NumericPrefix(
      view_.ItemText(kDescriptionKeyList, selected_description_)));

  view_.SetCurrentRow(kGaitKeyList, gait);
  view_.SetCurrentRow(kDescriptionKeyList, selected_description_);

  const bool right = forms::VariantEqualsDouble(description_key, gait_key);
  view_.SetMessage(right ? exercise_.correct_message : exercise_.wrong_message);
  return right ? Verdict::kRight : Verdict::kWrong;
}

}  // namespace quiz
