#include "forms/web/web_keys.h"

namespace forms::web {

std::optional<ListKey> ListKeyFor(Key key) {
  switch (key) {
    case Key::kUp:
    case Key::kLeft:
      return ListKey::kUp;
    case Key::kDown:
    case Key::kRight:
      return ListKey::kDown;
    case Key::kHome:
      return ListKey::kHome;
    case Key::kEnd:
      return ListKey::kEnd;
    case Key::kPageUp:
      return ListKey::kPageUp;
    case Key::kPageDown:
      return ListKey::kPageDown;
    default:
      return std::nullopt;
  }
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
