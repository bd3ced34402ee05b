#ifndef TROVANEL_APP_FORM_QUIZ_VIEW_H_
#define TROVANEL_APP_FORM_QUIZ_VIEW_H_

#include "forms/core/form.h"
#include "quiz/quiz_view.h"

namespace trovanel {

// QuizView on the controls of a form built from the Trovanel layout: each
// operation is one control call, checked at once with CheckStatus.
class FormQuizView : public quiz::QuizView {
 public:
  explicit FormQuizView(forms::Form& form) : form_(form) {}

  std::string ItemText(int16_t list_member, int16_t row) override;
  int16_t CurrentRow(int16_t list_member) override;
  void SetCurrentRow(int16_t list_member, int16_t row) override;
  void ClearOption(int16_t option) override;
  void SetMessage(std::string_view text) override;

 private:
  forms::ListBox& List(int16_t member);

  forms::Form& form_;
};

}  // namespace trovanel

#endif  // TROVANEL_APP_FORM_QUIZ_VIEW_H_
