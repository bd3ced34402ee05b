#ifndef TROVANEL_FORMS_CORE_CONTROLS_H_
#define TROVANEL_FORMS_CORE_CONTROLS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/core/form_description.h"
#include "forms/core/runtime_error.h"

namespace forms {

class Form;

// A control of the model: its settings come from the description; its state
// (current row, chosen, text) changes only through the operations below,
// which tell the form's observer and raise events through the form.
class Control {
 public:
  Control(Form& form, const ControlDescription& description,
          const Control* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDescription& description() const { return description_; }
  ControlKind kind() const { return description_.kind; }
  std::string_view array() const { return description_.array; }
  int16_t member() const { return description_.member; }
  // nullptr when the control sits directly on the window.
  const Control* container() const { return container_; }

 protected:
  Form& form() const { return form_; }

 private:
  Form& form_;
  const ControlDescription& description_;
  const Control* container_;
};

class ListBox : public Control {
 public:
  ListBox(Form& form, const ControlDescription& description,
          const Control* container);

  int16_t row_count() const { return static_cast<int16_t>(rows_.size()); }
  CallStatus ItemText(int16_t row, std::string* text) const;
  // -1 when no row is current.
  int16_t current_row() const { return current_row_; }
  // Row -1 selects none. Raises Click, and returns after its handler, only
  // when the row really changes.
  CallStatus SetCurrentRow(int16_t row);

 private:
  std::vector<std::string> rows_;
  int16_t current_row_ = -1;
};

class OptionButton : public Control {
 public:
  using Control::Control;

  bool chosen() const { return chosen_; }
  // Raises nothing.
  CallStatus Clear();
  // Un-chooses the other options of the same container without an event for
  // them; raises Click when this option was not chosen before.
  CallStatus Choose();

 private:
  void SetChosen(bool chosen);

  bool chosen_ = false;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, const ControlDescription& description,
          const Control* container);

  const std::string& text() const { return text_; }
  CallStatus SetText(std::string_view text);

 private:
  std::string text_;
};

class Label : public Control {
 public:
  using Control::Control;
};

class Frame : public Control {
 public:
  using Control::Control;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_CONTROLS_H_
