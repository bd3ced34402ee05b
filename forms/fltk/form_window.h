#ifndef TROVANEL_FORMS_FLTK_FORM_WINDOW_H_
#define TROVANEL_FORMS_FLTK_FORM_WINDOW_H_

#include <FL/Fl_Double_Window.H>

#include <functional>

#include "forms/core/form.h"
#include "forms/core/keyboard.h"

namespace forms::fltk {

// The window of a form, where every key the form answers arrives (the list
// and the frame pass theirs on): FLTK's keys become the core's, which decides
// what they do (forms/core/keyboard.h). FLTK's groups would move the focus
// with Enter and the arrows on their own.
class FormWindow : public Fl_Double_Window {
 public:
  // nullptr for a control without a widget.
  using WidgetLookup = std::function<Fl_Widget*(const Control&)>;

  FormWindow(int width, int height, Form& form, WidgetLookup widget_for);

  // Puts the focus where the keyboard order starts.
  void FocusFirst();

  int handle(int event) override;

 private:
  // The control whose widget has the focus, or nullptr.
  Control* Focused() const;
  void Focus(const Control* control);

  Form& form_;
  Keyboard keyboard_;
  WidgetLookup widget_for_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_FORM_WINDOW_H_
