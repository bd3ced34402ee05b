#include "app/form_quiz_view.h"

#include <string>

#include "forms/core/runtime_error.h"
#include "app/trovanel_layout.h"

namespace trovanel {

using forms::CheckStatus;

forms::ListBox& FormQuizView::List(int16_t member) {
  forms::ListBox* list = nullptr;
  CheckStatus(form_.FindAs(kListArray, member, &list));
  return *list;
}

std::string FormQuizView::ItemText(int16_t list_member, int16_t row) {
  std::string text;
  CheckStatus(List(list_member).ItemText(row, &text));
  return text;
}

int16_t FormQuizView::CurrentRow(int16_t list_member) {
  return List(list_member).current_row();
}

void FormQuizView::SetCurrentRow(int16_t list_member, int16_t row) {
  CheckStatus(List(list_member).SetCurrentRow(row));
}

void FormQuizView::ClearOption(int16_t option) {
  forms::OptionButton* button = nullptr;
  CheckStatus(form_.FindAs(kOptionArray, option, &button));
  CheckStatus(button->Clear());
}

void FormQuizView::SetMessage(std::string_view text) {
  forms::TextBox* box = nullptr;
  CheckStatus(form_.FindAs(kTextArray, kMessageBox, &box));
  CheckStatus(box->SetText(text));
}

}  // namespace trovanel
