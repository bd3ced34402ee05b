#ifndef TROVANEL_FORMS_CORE_UTF8_H_
#define TROVANEL_FORMS_CORE_UTF8_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

// The first code point of a UTF-8 text, and how many bytes it takes; 0 (and
// 0 bytes) for an empty text or a broken sequence.
char32_t FirstCodePoint(std::string_view text, size_t* length = nullptr);

// Whether the byte starts a code point (is not a continuation byte).
inline bool StartsCodePoint(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// How many code points the text has.
size_t CodePoints(std::string_view utf8);

// The first `limit` code points of the text.
std::string_view FirstCodePoints(std::string_view utf8, size_t limit);

// Appends `code` in UTF-8; U+FFFD for what is no character (0, a surrogate,
// past U+10FFFF).
void AppendUtf8(char32_t code, std::string& out);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_UTF8_H_
