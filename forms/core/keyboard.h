#ifndef TROVANEL_FORMS_CORE_KEYBOARD_H_
#define TROVANEL_FORMS_CORE_KEYBOARD_H_

#include <cstdint>

#include "forms/core/form.h"
#include "forms/core/keyboard_order.h"

namespace forms {

// The keys the form answers, whatever a toolkit calls them. A backend keeps
// one table from its native keys to these and leaves the rest to its widgets.
enum class Key {
  kTab,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kEnter,
  kEscape,
  kCharacter,  // a typed character, in KeyStroke::character
};

struct KeyStroke {
  Key key = Key::kCharacter;
  bool shift = false;
  char32_t character = 0;
};

// The rows a list shows whole: `page_rows` from `top_row` on. By default
// every row is in view.
struct ListView {
  int top_row = 0;
  int page_rows = INT16_MAX;
};

struct KeyResult {
  // False for a key that the focused control's own widget takes (a text box
  // scrolls with the arrows), and for a character outside a list.
  bool handled = false;
  // Where the focus goes; nullptr: it stays.
  Control* focus = nullptr;
};

// What the keys do in a form. Tab and Shift+Tab move the focus in the
// keyboard order; the arrow keys choose the option above or below in a group,
// going round, and take the focus with it; in a list the arrows (Left and
// Right as Up and Down), Home, End, the Page keys and a typed first letter
// move the current row; Enter and Escape do nothing anywhere.
class Keyboard {
 public:
  explicit Keyboard(Form& form) : form_(form), order_(form) {}

  // Where the focus starts; nullptr when nothing takes the focus.
  Control* First() const { return order_.First(); }

  // Applies a key pressed while `focused` (nullptr: nothing) has the focus;
  // `list_view` is what a focused list shows. The model's changes reach the
  // backend as model events.
  KeyResult Press(Control* focused, const KeyStroke& press,
                  const ListView& list_view = {});

 private:
  Form& form_;
  KeyboardOrder order_;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_KEYBOARD_H_
