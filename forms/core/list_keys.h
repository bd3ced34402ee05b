#ifndef TROVANEL_FORMS_CORE_LIST_KEYS_H_
#define TROVANEL_FORMS_CORE_LIST_KEYS_H_

#include <cstdint>

#include "forms/core/controls.h"

namespace forms {

enum class Key;

// The row a key leads to, as desktop list boxes answer it (Left and Right as
// Up and Down); the current row for a key that moves no list. The list shows
// `page_rows` whole rows from `top_row` on: Page Down goes to the last of them,
// or a page further when it is current already; Page Up likewise upwards. With
// no current row, Up and Down lead to the first row.
int16_t RowAfterKey(const ListBox& list, Key key, int top_row, int page_rows);

// The first row after the current one, going round, whose text starts with
// the typed character (case is ignored); -1 when none does.
int16_t RowStartingWith(const ListBox& list, char32_t typed);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_LIST_KEYS_H_
