#ifndef TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_
#define TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_

#include <FL/Fl_Round_Button.H>

#include "forms/core/form.h"

namespace forms::fltk {

// An option button: shows whether the model's option is chosen; a click or
// Space becomes form.UserChoosesOption, also on the option already chosen
// (the model decides what that raises). A press released off the option
// chooses nothing.
class OptionWidget : public Fl_Round_Button {
 public:
  OptionWidget(Form& form, OptionButton& option, int x, int y, int width,
               int height);

  const OptionButton& model() const { return option_; }
  void Choose();
  void Mirror();

 private:
  static void OnPressed(Fl_Widget* widget, void*);
  void MirrorGroup();

  Form& form_;
  OptionButton& option_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_OPTION_WIDGET_H_
