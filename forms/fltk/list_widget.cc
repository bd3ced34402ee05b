#include "forms/fltk/list_widget.h"

#include <FL/Fl.H>

#include <algorithm>
#include <optional>
#include <string>

#include "forms/core/list_keys.h"
#include "forms/core/utf8.h"

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

int ListWidget::PageRows() const {
  int x, y, width, height;
  bbox(x, y, width, height);
  void* first = item_first();
  return first == nullptr ? 1 : std::max(height / item_height(first), 1);
}

int ListWidget::handle(int event) {
  if (event != FL_KEYBOARD || list_.row_count() == 0 ||
      Fl::event_state(FL_CTRL | FL_ALT | FL_META)) {
    return Fl_Hold_Browser::handle(event);
  }
  std::optional<ListKey> key;
  switch (Fl::event_key()) {
    case FL_Up:
    case FL_Left:
      key = ListKey::kUp;
      break;
    case FL_Down:
    case FL_Right:
      key = ListKey::kDown;
      break;
    case FL_Home:
      key = ListKey::kHome;
      break;
    case FL_End:
      key = ListKey::kEnd;
      break;
    case FL_Page_Up:
      key = ListKey::kPageUp;
      break;
    case FL_Page_Down:
      key = ListKey::kPageDown;
      break;
    case FL_Enter:
    case FL_KP_Enter:
      return 1;  // chooses nothing, as everywhere in the window
    default: {
      // A typed character: the next row that starts with it.
      const auto typed = static_cast<unsigned char>(Fl::event_text()[0]);
      if (typed < 0x20 || typed == 0x7F) return Fl_Hold_Browser::handle(event);
      const int16_t row =
          RowStartingWith(list_, FirstCodePoint(Fl::event_text()));
      if (row >= 0) Select(row);
      return 1;
    }
  }
  Select(RowAfterKey(list_, *key, topline() - 1, PageRows()));
  return 1;
}

}  // namespace forms::fltk
