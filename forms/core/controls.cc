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

CallStatus ListBox::ItemText(int16_t row, std::string* text) const {
  if (row < 0 || row >= row_count()) return CallStatus::kRowOutOfRange;
  *text = rows_[row];
  return CallStatus::kOk;
}

CallStatus ListBox::SetCurrentRow(int16_t row) {
  if (row < -1 || row >= row_count()) return CallStatus::kRowOutOfRange;
  if (row == current_row_) return CallStatus::kOk;
  current_row_ = row;
  form().NotifyChanged(*this);
  form().RaiseClick(*this);
  return CallStatus::kOk;
}

void OptionButton::SetChosen(bool chosen) {
  chosen_ = chosen;
  form().NotifyChanged(*this);
}

CallStatus OptionButton::Clear() {
  if (chosen_) SetChosen(false);
  return CallStatus::kOk;
}

CallStatus OptionButton::Choose() {
  if (chosen_) return CallStatus::kOk;
  for (const auto& control : form().controls()) {
    auto* sibling = dynamic_cast<OptionButton*>(control.get());
    if (sibling && sibling != this && sibling->container() == container() &&
        sibling->chosen_) {
      sibling->SetChosen(false);
    }
  }
  SetChosen(true);
  form().RaiseClick(*this);
  return CallStatus::kOk;
}

TextBox::TextBox(Form& form, const ControlDescription& description,
                 const Control* container)
    : Control(form, description, container), text_(description.caption) {}

CallStatus TextBox::SetText(std::string_view text) {
  text_ = text;
  form().NotifyChanged(*this);
  return CallStatus::kOk;
}

}  // namespace forms
