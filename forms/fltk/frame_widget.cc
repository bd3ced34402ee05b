#include "forms/fltk/frame_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "forms/fltk/option_widget.h"

namespace forms::fltk {

FrameWidget::FrameWidget(int x, int y, int width, int height)
    : Fl_Group(x, y, width, height) {
  box(FL_FLAT_BOX);
  align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
}

void FrameWidget::MirrorOptions() {
  for (int i = 0; i < children(); ++i) {
    if (auto* option = dynamic_cast<OptionWidget*>(child(i))) option->Mirror();
  }
}

int FrameWidget::handle(int event) {
  // Keys go on to the window, which moves the focus and the choice; FLTK's
  // group would move the focus among the options on its own.
  if (event == FL_KEYBOARD) return 0;
  return Fl_Group::handle(event);
}

void FrameWidget::draw() {
  draw_box(box(), color());
  fl_font(labelfont(), labelsize());
  const int text_height = fl_height();
  const int line_y = y() + text_height / 2;
  draw_box(FL_ENGRAVED_FRAME, x(), line_y, w(), h() - (line_y - y()), color());
  if (label() != nullptr && *label() != '\0') {
    const int indent = static_cast<int>(fl_width("  ") / 2) + 4;
    int text_width = 0;
    int ignored = 0;
    fl_measure(label(), text_width, ignored, 0);
    fl_color(color());
    fl_rectf(x() + indent, y(), text_width + 4, text_height);
    draw_label(x() + indent + 2, y(), text_width, text_height,
               FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  }
  draw_children();
}

}  // namespace forms::fltk
