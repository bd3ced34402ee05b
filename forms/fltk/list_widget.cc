#include "forms/fltk/list_widget.h"

#include <FL/Fl.H>

#include <algorithm>
#include <string>

namespace forms::fltk {

ListWidget::ListWidget(Form& form, ListBox& list, const Style& style, int x,
                       int y, int width, int height)
    : Fl_Hold_Browser(x, y, width, height), form_(form), list_(list) {
  textfont(style.font());
  textsize(style.font_pixels());
  format_char(0);  // rows are plain text, never FLTK markup
  column_char(0);
  has_scrollbar(Fl_Browser_::VERTICAL);
  for (int16_t row = 0; row < list.row_count(); ++row) {
    std::string text;
    CheckStatus(list.ItemText(row, &text));
    add(text.c_str());
  }
  when(FL_WHEN_CHANGED);
  callback(OnChanged);
  Mirror();
}

void ListWidget::Mirror() {
  int row = list_.current_row();
  if (row == shown_row()) return;
  if (row < 0) {
    deselect();
  } else {
    value(row + 1);
    make_visible(row + 1);
  }
}

void ListWidget::Select(int row) {
  if (!form_.failed()) form_.UserSelectsRow(list_, static_cast<int16_t>(row));
  Mirror();
}

void ListWidget::OnChanged(Fl_Widget* widget, void*) {
  auto* self = static_cast<ListWidget*>(widget);
  self->Select(self->shown_row());
}

int ListWidget::handle(int event) {
  if (event != FL_KEYBOARD || list_.row_count() == 0) {
    return Fl_Hold_Browser::handle(event);
  }
  const int last = list_.row_count() - 1;
  const int current = list_.current_row();
  int row;
  switch (Fl::event_key()) {
    case FL_Up:
    case FL_Left:
      row = current < 0 ? 0 : std::max(current - 1, 0);
      break;
    case FL_Down:
    case FL_Right:
      row = current < 0 ? 0 : std::min(current + 1, last);
      break;
    case FL_Home:
      row = 0;
      break;
    case FL_End:
      row = last;
      break;
    default:
      return Fl_Hold_Browser::handle(event);
  }
  Select(row);
  return 1;
}

}  // namespace forms::fltk
