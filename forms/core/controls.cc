#include "forms/core/controls.h"

#include <string>

#include "forms/core/form.h"

namespace forms {

Control::Control(Form& form, const ControlDescription& description,
                 const Control* container)
    : form_(form), description_(description), container_(container) {}

ListBox::ListBox(Form& form, const ControlDescription& description,
                 const Control* container)
    : Control(form, description, container),
      rows_(description.rows.begin(), description.rows.end()) {}

Status ListBox::ItemText(int16_t row, std::string* text) const {
  if (row < 0 || row >= row_count()) return Status::kRowOutOfRange;
  *text = rows_[row];
  return Status::kOk;
}

Status ListBox::SetCurrentRow(int16_t row) {
  if (row < -1 || row >= row_count()) return Status::kRowOutOfRange;
  if (row == current_row_) return Status::kOk;
  current_row_ = row;
  form().NotifyChanged(*this);
  form().RaiseClick(*this);
  return Status::kOk;
}

void OptionButton::SetChosen(bool chosen) {
  chosen_ = chosen;
  form().NotifyChanged(*this);
}

Status OptionButton::Clear() {
  if (chosen_) SetChosen(false);
  return Status::kOk;
}

Status OptionButton::Choose() {
  if (chosen_) return Status::kOk;
  for (const auto& control : form().controls()) {
    auto* sibling = dynamic_cast<OptionButton*>(control.get());
    if (sibling && sibling != this && sibling->container() == container() &&
        sibling->chosen_) {
      sibling->SetChosen(false);
    }
  }
  SetChosen(true);
  form().RaiseClick(*this);
  return Status::kOk;
}

TextBox::TextBox(Form& form, const ControlDescription& description,
                 const Control* container)
    : Control(form, description, container), text_(description.caption) {}

Status TextBox::SetText(std::string_view text) {
  text_ = text;
  form().NotifyChanged(*this);
  return Status::kOk;
}

}  // namespace forms
