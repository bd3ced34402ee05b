#include "forms/fltk/list_widget.h"

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
  has_scrollbar(list.description().scroll_width > 0 ? Fl_Browser_::BOTH
                                                    : Fl_Browser_::VERTICAL);
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

void ListWidget::OnChanged(Fl_Widget* widget, void*) {
  auto* self = static_cast<ListWidget*>(widget);
  if (!self->form_.failed()) {
    self->form_.UserSelectsRow(self->list_,
                               static_cast<int16_t>(self->shown_row()));
  }
  self->Mirror();
}

ListView ListWidget::View() const {
  int x, y, width, height;
  bbox(x, y, width, height);
  void* first = item_first();
  return {topline() - 1,
          first == nullptr ? 1 : std::max(height / item_height(first), 1)};
}

int ListWidget::handle(int event) {
  return event == FL_KEYBOARD ? 0 : Fl_Hold_Browser::handle(event);
}

}  // namespace forms::fltk
