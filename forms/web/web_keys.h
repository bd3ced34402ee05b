#ifndef TROVANEL_FORMS_WEB_WEB_KEYS_H_
#define TROVANEL_FORMS_WEB_WEB_KEYS_H_

#include <cstdint>

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

// The row a list moves to from `current` (-1: none), or -1 for a key that
// does not move a list. With no row yet, any move starts at the first.
int16_t ListRowForKey(Key key, int16_t current, int16_t row_count);

// -1 (up, left) or 1 (down, right) within an option group; 0 otherwise.
int OptionStepForKey(Key key);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_WEB_KEYS_H_
