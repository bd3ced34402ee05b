#ifndef TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_
#define TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_

// Xlib's macro Status clashes with the model's type: FLTK's headers, then
// the clean-up, then the model's headers.
// clang-format off
#include <FL/Fl_Round_Button.H>
#include "forms/fltk/xlib_macros.h"

#include "forms/core/form.h"
// clang-format on

namespace forms::fltk {

// An option button: shows whether the model's option is chosen; a click or
// Space becomes form.UserChoosesOption, also on the option already chosen
// (the model decides what that raises).
class OptionWidget : public Fl_Round_Button {
 public:
  OptionWidget(Form& form, OptionButton& option, int x, int y, int width,
               int height);

  const OptionButton& model() const { return option_; }
  void Choose();
  void Mirror();

 private:
  static void OnPressed(Fl_Widget* widget, void*);

  Form& form_;
  OptionButton& option_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_
