#ifndef TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_
#define TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_

#include <FL/Fl_Group.H>

#include <vector>

namespace forms::fltk {

class OptionWidget;

// A frame: an etched border with its caption on the top edge, and the
// container of option buttons, which it makes one group: one tab stop (the
// chosen option, or the first shown), and the arrow keys choose the option
// above or below in the order they are shown.
class FrameWidget : public Fl_Group {
 public:
  FrameWidget(int x, int y, int width, int height);

  // Call after the option children have been added.
  void MirrorOptions();

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  // The option children, top to bottom.
  std::vector<OptionWidget*> ShownOrder() const;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_FRAME_WIDGET_H_
