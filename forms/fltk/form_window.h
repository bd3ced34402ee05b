#ifndef TROVANEL_FORMS_FLTK_FORM_WINDOW_H_
#define TROVANEL_FORMS_FLTK_FORM_WINDOW_H_

#include <FL/Fl_Double_Window.H>

#include <functional>

#include "forms/core/form.h"
#include "forms/core/keyboard_order.h"

namespace forms::fltk {

// The window of a form, with the keys that belong to no one control: Tab
// and Shift+Tab move the focus in the form's keyboard order (an option group
// is one stop), the arrow keys choose the option above or below in a group,
// and Enter does nothing (FLTK's groups would move the focus with it).
class FormWindow : public Fl_Double_Window {
 public:
  // nullptr for a control without a widget.
  using WidgetLookup = std::function<Fl_Widget*(const Control&)>;

  FormWindow(int width, int height, const Form& form, WidgetLookup widget_for);

  // Puts the focus where the keyboard order starts.
  void FocusFirst();

  int handle(int event) override;

 private:
  // The control whose widget has the focus, or nullptr.
  const Control* Focused() const;
  void Focus(const Control* control);

  const Form& form_;
  KeyboardOrder order_;
  WidgetLookup widget_for_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_FORM_WINDOW_H_
