#ifndef TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
#define TROVANEL_QUIZ_QUIZ_CONTROLLER_H_

#include <cstdint>

#include "forms/core/variant.h"
#include "quiz/exercise.h"
#include "quiz/quiz_view.h"

namespace quiz {

// The behaviour of the exercise: keeps the two choices and answers every
// change with one of the exercise's messages. The answer keys are read from
// the view's hidden lists at every check, never kept here.
class QuizController {
 public:
  // The exercise must outlive the controller.
  QuizController(QuizView& view, const Exercise& exercise)
      : view_(view), exercise_(exercise) {}

  void Form_Load();
  void List1_Click(int16_t index);
  void Option1_Click(int16_t index);

 private:
  void ResetQuiz();
  void CheckAnswer();

  QuizView& view_;
  const Exercise& exercise_;
  forms::Variant selected_gait_ = forms::Variant::Integer(-1);
  int16_t selected_description_ = -2;
};

}  // namespace quiz

#endif  // TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
