#include "forms/fltk/option_widget.h"

#include <FL/Fl.H>

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
  MirrorGroup();
  // The pupil's choice, by mouse or key, takes the focus with it.
  if (option_.chosen()) take_focus();
}

// FLTK un-chooses the siblings on its own; the group shows the model again.
void OptionWidget::MirrorGroup() {
  if (auto* frame = dynamic_cast<FrameWidget*>(parent())) {
    frame->MirrorOptions();
  } else {
    Mirror();
  }
}

void OptionWidget::OnPressed(Fl_Widget* widget, void*) {
  auto* self = static_cast<OptionWidget*>(widget);
  // A press released off the option is taken back: it chooses nothing.
  if (Fl::event() == FL_RELEASE && !Fl::event_inside(self)) {
    self->MirrorGroup();
  } else {
    self->Choose();
  }
}

}  // namespace forms::fltk
