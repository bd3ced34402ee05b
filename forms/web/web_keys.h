#ifndef TROVANEL_FORMS_WEB_WEB_KEYS_H_
#define TROVANEL_FORMS_WEB_WEB_KEYS_H_

#include <optional>

#include "forms/core/list_keys.h"

namespace forms::web {

// The keys the page passes on, numbered as dom_library.js numbers them.
enum class Key {
  kTab = 1,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kEscape,
  kEnter,
};

// The list key a page key stands for: Left and Right move a list as Up and
// Down do; none for a key that does not move a list.
std::optional<ListKey> ListKeyFor(Key key);

// -1 (up, left) or 1 (down, right) within an option group; 0 otherwise.
int OptionStepForKey(Key key);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_WEB_KEYS_H_
