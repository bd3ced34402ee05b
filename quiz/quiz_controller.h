#ifndef TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
#define TROVANEL_QUIZ_QUIZ_CONTROLLER_H_

#include <cstdint>
#include <functional>
#include <utility>

#include "forms/core/variant.h"
#include "quiz/exercise.h"
#include "quiz/quiz_view.h"

namespace quiz {

// The behaviour of the exercise: keeps the two choices and answers every
// change with one of the exercise's messages. The answer keys are read from
// the view's hidden lists at every check, never kept here.
class QuizController {
 public:
  enum class Verdict { kMissing = 0, kRight = 1, kWrong = 2 };
  // Told after each check the pupil's choice set off, with the option and
  // the description row then chosen (-1 for none).
  using CheckObserver =
      std::function<void(int16_t option, int16_t row, Verdict verdict)>;

  // The exercise must outlive the controller.
  QuizController(QuizView& view, const Exercise& exercise)
      : view_(view), exercise_(exercise) {}

  void Form_Load();
  void List1_Click(int16_t index);
  void Option1_Click(int16_t index);

  void OnCheck(CheckObserver observer) { on_check_ = std::move(observer); }

 private:
  void ResetQuiz();
  Verdict CheckAnswer();
  void Tell(Verdict verdict) const;

  QuizView& view_;
  const Exercise& exercise_;
  forms::Variant selected_gait_ = forms::Variant::Integer(-1);
  int16_t selected_description_ = -2;
  CheckObserver on_check_;
};

}  // namespace quiz

#endif  // TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
