#include "forms/fltk/form_window.h"

#include <FL/Fl.H>

#include <optional>
#include <utility>

#include "forms/core/utf8.h"
#include "forms/fltk/list_widget.h"

namespace forms::fltk {
namespace {

std::optional<KeyStroke> CoreKey() {
  const bool shift = Fl::event_state(FL_SHIFT) != 0;
  switch (Fl::event_key()) {
    case FL_Tab:
      return KeyStroke{Key::kTab, shift};
    case FL_Up:
      return KeyStroke{Key::kUp};
    case FL_Down:
      return KeyStroke{Key::kDown};
    case FL_Left:
      return KeyStroke{Key::kLeft};
    case FL_Right:
      return KeyStroke{Key::kRight};
    case FL_Home:
      return KeyStroke{Key::kHome};
    case FL_End:
      return KeyStroke{Key::kEnd};
    case FL_Page_Up:
      return KeyStroke{Key::kPageUp};
    case FL_Page_Down:
      return KeyStroke{Key::kPageDown};
    case FL_Enter:
    case FL_KP_Enter:
      return KeyStroke{Key::kEnter};
    case FL_Escape:
      return KeyStroke{Key::kEscape};
    default:
      break;
  }
  const auto lead = static_cast<unsigned char>(Fl::event_text()[0]);
  if (lead < 0x20 || lead == 0x7F) return std::nullopt;
  return KeyStroke{Key::kCharacter, shift, FirstCodePoint(Fl::event_text())};
}

}  // namespace

FormWindow::FormWindow(int width, int height, Form& form,
                       WidgetLookup widget_for)
    : Fl_Double_Window(width, height),
      form_(form),
      keyboard_(form),
      widget_for_(std::move(widget_for)) {}

void FormWindow::FocusFirst() { Focus(keyboard_.First()); }

Control* FormWindow::Focused() const {
  for (const auto& control : form_.controls()) {
    Fl_Widget* widget = widget_for_(*control);
    if (widget != nullptr && widget == Fl::focus()) return control.get();
  }
  return nullptr;
}

void FormWindow::Focus(const Control* control) {
  if (control == nullptr) return;
  if (Fl_Widget* widget = widget_for_(*control)) widget->take_focus();
}

int FormWindow::handle(int event) {
  const std::optional<KeyStroke> press =
      event == FL_KEYBOARD && !Fl::event_state(FL_CTRL | FL_ALT | FL_META)
          ? CoreKey()
          : std::nullopt;
  if (!press) return Fl_Double_Window::handle(event);
  Control* focused = Focused();
  ListView view;
  if (auto* list = dynamic_cast<ListWidget*>(Fl::focus())) view = list->View();
  const KeyResult result = keyboard_.Press(focused, *press, view);
  Focus(result.focus);
  return result.handled || press->key != Key::kCharacter
             ? 1
             : Fl_Double_Window::handle(event);
}

}  // namespace forms::fltk
