#ifndef TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_
#define TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_

#include <FL/Fl_Group.H>

namespace forms::fltk {

// A frame: an etched border with its caption on the top edge, and the
// container of option buttons (the window moves the focus and the choice
// among them: FormWindow).
class FrameWidget : public Fl_Group {
 public:
  FrameWidget(int x, int y, int width, int height);

  // Shows every option child as the model has it.
  void MirrorOptions();

  int handle(int event) override;

 protected:
  void draw() override;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_
