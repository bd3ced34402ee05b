#ifndef TROVANEL_FORMS_WEB_WEB_KEYS_H_
#define TROVANEL_FORMS_WEB_WEB_KEYS_H_

#include <optional>
#include <string_view>

#include "forms/core/keyboard.h"

namespace forms::web {

// The core's key for a browser's key name (KeyboardEvent.key): a named key,
// or one typed character; none for the rest (Shift, F5, dead keys...).
std::optional<KeyStroke> KeyFromBrowser(std::string_view name, bool shift);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_WEB_KEYS_H_
