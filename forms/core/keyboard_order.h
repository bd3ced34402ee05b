#ifndef TROVANEL_FORMS_CORE_KEYBOARD_ORDER_H_
#define TROVANEL_FORMS_CORE_KEYBOARD_ORDER_H_

#include <vector>

#include "forms/core/form.h"

namespace forms {

// Whether the keyboard can put the focus on a control: the shown list boxes,
// text boxes and option buttons. Inline: the accessibility module asks too.
inline bool TakesFocus(const Control& control) {
  return control.description().visible &&
         (control.kind() == ControlKind::kListBox ||
          control.kind() == ControlKind::kTextBox ||
          control.kind() == ControlKind::kOptionButton);
}

// Where Tab, Shift+Tab and the arrow keys take the focus. The controls that
// take the focus come in tab index order; the options of one container are
// one stop, at the place of their lowest tab index. A group is entered at its
// chosen option, else at its first option in tab order going forward and at
// its last going backward. Inside a group the arrow keys move top to bottom
// on screen, wrapping.
class KeyboardOrder {
 public:
  explicit KeyboardOrder(const Form& form);

  // Where the focus starts; nullptr when nothing takes the focus.
  Control* First() const;
  // Where Tab (forward) or Shift+Tab takes the focus from `from`, wrapping
  // round. From a control that takes no focus: as from the window's start.
  Control* Next(const Control& from, bool forward) const;
  // The option `step` places below (positive) or above (negative) on
  // screen in the same group, wrapping; nullptr for an option that takes
  // no focus.
  OptionButton* Neighbour(const OptionButton& option, int step) const;

  // The stops in tab order; a group's options in tab order.
  const std::vector<std::vector<Control*>>& stops() const { return stops_; }

 private:
  Control* Enter(const std::vector<Control*>& stop, bool forward) const;
  int StopOf(const Control& control) const;

  std::vector<std::vector<Control*>> stops_;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_KEYBOARD_ORDER_H_
