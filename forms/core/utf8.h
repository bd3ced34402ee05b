#ifndef TROVANEL_FORMS_CORE_UTF8_H_
#define TROVANEL_FORMS_CORE_UTF8_H_

#include <cstddef>
#include <string_view>

namespace forms {

// The first code point of a UTF-8 text, and how many bytes it takes; 0 (and
// 0 bytes) for an empty text or a broken sequence.
char32_t FirstCodePoint(std::string_view text, size_t* length = nullptr);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_UTF8_H_
