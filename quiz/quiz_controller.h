#ifndef TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
#define TROVANEL_QUIZ_QUIZ_CONTROLLER_H_

#include <cstdint>

#include "forms/core/variant.h"
#include "quiz/quiz_view.h"

namespace quiz {

// The behaviour of the exercise: keeps the two choices and answers every
// change with a message. The answer keys are read from the view's hidden
// lists at every check, never kept here.
class QuizController {
 public:
  explicit QuizController(QuizView& view) : view_(view) {}

  void Form_Load();
  void List1_Click(int16_t index);
  void Option1_Click(int16_t index);

 private:
  void ResetQuiz();
  void CheckAnswer();

  QuizView& view_;
  forms::Variant selected_gait_ = forms::Variant::Integer(-1);
  int16_t selected_description_ = -2;
};

}  // namespace quiz

#endif  // TROVANEL_QUIZ_QUIZ_CONTROLLER_H_
