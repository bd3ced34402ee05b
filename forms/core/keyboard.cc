#include "forms/core/keyboard.h"

#include "forms/core/list_keys.h"

namespace forms {
namespace {

bool IsArrow(Key key) {
  return key == Key::kUp || key == Key::kDown || key == Key::kLeft ||
         key == Key::kRight;
}

int Step(Key key) { return key == Key::kUp || key == Key::kLeft ? -1 : 1; }

}  // namespace

KeyResult Keyboard::Press(Control* focused, const KeyStroke& press,
                          const ListView& list_view) {
  switch (press.key) {
    case Key::kTab:
      return {true, focused != nullptr ? order_.Next(*focused, !press.shift)
                                       : order_.First()};
    case Key::kEnter:
    case Key::kEscape:
      return {true, nullptr};  // the form has no default or cancel button
    default:
      break;
  }
  if (auto* list = dynamic_cast<ListBox*>(focused)) {
    const int16_t row = press.key == Key::kCharacter
                            ? RowStartingWith(*list, press.character)
                            : RowAfterKey(*list, press.key, list_view.top_row,
                                          list_view.page_rows);
    if (row >= 0) form_.UserSelectsRow(*list, row);
    return {true, nullptr};
  }
  if (press.key == Key::kCharacter) return {false, nullptr};
  if (auto* option = dynamic_cast<OptionButton*>(focused)) {
    OptionButton* next = IsArrow(press.key)
                             ? order_.Neighbour(*option, Step(press.key))
                             : nullptr;
    if (next != nullptr) form_.UserChoosesOption(*next);
    return {true, next};
  }
  // The text box scrolls by itself; elsewhere the keys do nothing.
  return {focused == nullptr || focused->kind() != ControlKind::kTextBox,
          nullptr};
}

}  // namespace forms
