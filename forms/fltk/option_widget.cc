#include "forms/fltk/option_widget.h"

#include "forms/fltk/frame_widget.h"

namespace forms::fltk {

OptionWidget::OptionWidget(Form& form, OptionButton& option, int x, int y,
                           int width, int height)
    : Fl_Round_Button(x, y, width, height), form_(form), option_(option) {
  type(FL_RADIO_BUTTON);
  box(FL_FLAT_BOX);
  clear_flag(SHORTCUT_LABEL);  // '&' in a caption is a character
  when(FL_WHEN_RELEASE_ALWAYS);
  callback(OnPressed);
  Mirror();
}

void OptionWidget::Mirror() { value(option_.chosen() ? 1 : 0); }

void OptionWidget::Choose() {
  if (!form_.failed()) form_.UserChoosesOption(option_);
  // FLTK has already un-chosen the siblings on its own; show the model again.
  if (auto* frame = dynamic_cast<FrameWidget*>(parent())) {
    frame->MirrorOptions();
  } else {
    Mirror();
  }
  // The pupil's choice, by mouse or key, takes the focus with it.
  if (option_.chosen()) take_focus();
}

void OptionWidget::OnPressed(Fl_Widget* widget, void*) {
  static_cast<OptionWidget*>(widget)->Choose();
}

}  // namespace forms::fltk
