#include "forms/web/web_keys.h"

#include <algorithm>

namespace forms::web {

int16_t ListRowForKey(Key key, int16_t current, int16_t row_count) {
  if (row_count <= 0) return -1;
  const int last = row_count - 1;
  int row;
  switch (key) {
    case Key::kUp:
    case Key::kLeft:
      row = current - 1;
      break;
    case Key::kDown:
    case Key::kRight:
      row = current < 0 ? 0 : current + 1;
      break;
    // Every row is in view, so a page is the whole list.
    case Key::kHome:
    case Key::kPageUp:
      row = 0;
      break;
    case Key::kEnd:
    case Key::kPageDown:
      row = last;
      break;
    default:
      return -1;
  }
  return static_cast<int16_t>(std::clamp(row, 0, last));
}

int OptionStepForKey(Key key) {
  switch (key) {
    case Key::kUp:
    case Key::kLeft:
      return -1;
    case Key::kDown:
    case Key::kRight:
      return 1;
    default:
      return 0;
  }
}

}  // namespace forms::web
