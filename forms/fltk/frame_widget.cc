#include "forms/fltk/frame_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "forms/fltk/option_widget.h"

namespace forms::fltk {

FrameWidget::FrameWidget(int x, int y, int width, int height)
    : Fl_Group(x, y, width, height) {
  box(FL_FLAT_BOX);
  align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
}

std::vector<OptionWidget*> FrameWidget::ShownOrder() const {
  std::vector<OptionWidget*> options;
  for (int i = 0; i < children(); ++i) {
    if (auto* option = dynamic_cast<OptionWidget*>(child(i))) {
      options.push_back(option);
    }
  }
  std::stable_sort(options.begin(), options.end(),
                   [](const OptionWidget* a, const OptionWidget* b) {
                     return a->y() < b->y();
                   });
  return options;
}

void FrameWidget::MirrorOptions() {
  std::vector<OptionWidget*> options = ShownOrder();
  OptionWidget* stop = options.empty() ? nullptr : options.front();
  for (OptionWidget* option : options) {
    option->Mirror();
    if (option->model().chosen()) stop = option;
  }
  for (OptionWidget* option : options) {
    if (option == stop) {
      option->set_visible_focus();
    } else {
      option->clear_visible_focus();
    }
  }
}

int FrameWidget::handle(int event) {
  if (event != FL_KEYBOARD) return Fl_Group::handle(event);
  int step;
  switch (Fl::event_key()) {
    case FL_Up:
    case FL_Left:
      step = -1;
      break;
    case FL_Down:
    case FL_Right:
      step = 1;
      break;
    default:
      return Fl_Group::handle(event);
  }
  std::vector<OptionWidget*> options = ShownOrder();
  auto focused =
      std::find_if(options.begin(), options.end(),
                   [](const OptionWidget* o) { return o == Fl::focus(); });
  if (focused == options.end()) return Fl_Group::handle(event);
  // Moving past either end wraps round, as radio groups do on desktops.
  const int count = static_cast<int>(options.size());
  const int index = static_cast<int>(focused - options.begin());
  OptionWidget* target = options[(index + step + count) % count];
  target->Choose();
  target->take_focus();
  return 1;
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
