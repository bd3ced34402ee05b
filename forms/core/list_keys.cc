#include "forms/core/list_keys.h"

#include <algorithm>
#include <string>

#include "forms/core/keyboard.h"
#include "forms/core/utf8.h"

namespace forms {
namespace {

// Lower case for the scripts the window's texts use: Latin and Cyrillic.
char32_t Folded(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x410 && c <= 0x42F)) {
    return c + 0x20;
  }
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

}  // namespace

int16_t RowAfterKey(const ListBox& list, Key key, int top_row, int page_rows) {
  const int last = list.row_count() - 1;
  if (last < 0) return -1;
  const int current = list.current_row();
  const int step = std::max(page_rows - 1, 1);
  int row = current;
  switch (key) {
    case Key::kUp:
    case Key::kLeft:
      row = current < 0 ? 0 : current - 1;
      break;
    case Key::kDown:
    case Key::kRight:
      row = current < 0 ? 0 : current + 1;
      break;
    case Key::kHome:
      row = 0;
      break;
    case Key::kEnd:
      row = last;
      break;
    case Key::kPageUp:
      row = current > top_row ? top_row : current - step;
      break;
    case Key::kPageDown: {
      const int bottom = top_row + std::max(page_rows, 1) - 1;
      row = current < bottom ? bottom : current + step;
      break;
    }
    default:
      return list.current_row();
  }
  return static_cast<int16_t>(std::clamp(row, 0, last));
}

int16_t RowStartingWith(const ListBox& list, char32_t typed) {
  const char32_t letter = Folded(typed);
  if (letter == 0) return -1;
  const int count = list.row_count();
  for (int i = 1; i <= count; ++i) {
    const auto row = static_cast<int16_t>((list.current_row() + i) % count);
    std::string text;
    if (list.ItemText(row, &text) == CallStatus::kOk &&
        Folded(FirstCodePoint(text)) == letter) {
      return row;
    }
  }
  return -1;
}

}  // namespace forms
