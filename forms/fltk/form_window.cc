#include "forms/fltk/form_window.h"

#include <FL/Fl.H>

#include <utility>

#include "forms/fltk/option_widget.h"

namespace forms::fltk {

FormWindow::FormWindow(int width, int height, const Form& form,
                       WidgetLookup widget_for)
    : Fl_Double_Window(width, height),
      form_(form),
      order_(form),
      widget_for_(std::move(widget_for)) {}

void FormWindow::FocusFirst() { Focus(order_.First()); }

const Control* FormWindow::Focused() const {
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
  if (event != FL_KEYBOARD || Fl::event_state(FL_CTRL | FL_ALT | FL_META)) {
    return Fl_Double_Window::handle(event);
  }
  const Control* focused = Focused();
  switch (Fl::event_key()) {
    case FL_Tab: {
      const bool forward = !Fl::event_state(FL_SHIFT);
      Focus(focused != nullptr ? order_.Next(*focused, forward)
                               : order_.First());
      return 1;
    }
    case FL_Enter:
    case FL_KP_Enter:
      return 1;
    case FL_Up:
    case FL_Left:
    case FL_Down:
    case FL_Right: {
      // The list and the text box take their own; here they never move the
      // focus.
      const auto* option = dynamic_cast<const OptionButton*>(focused);
      const int step =
          Fl::event_key() == FL_Up || Fl::event_key() == FL_Left ? -1 : 1;
      const OptionButton* next =
          option != nullptr ? order_.Neighbour(*option, step) : nullptr;
      if (next != nullptr) {
        static_cast<OptionWidget*>(widget_for_(*next))->Choose();
      }
      return 1;
    }
    default:
      break;
  }
  return Fl_Double_Window::handle(event);
}

}  // namespace forms::fltk
