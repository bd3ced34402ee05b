#include "forms/core/utf8.h"

namespace forms {

char32_t FirstCodePoint(std::string_view text, size_t* length) {
  if (length != nullptr) *length = 0;
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead >= 0x80 && lead < 0xC0) return 0;
  const size_t size = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (text.size() < size) return 0;
  char32_t code = size == 1 ? lead : lead & (0x7F >> size);
  for (size_t i = 1; i < size; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (length != nullptr) *length = size;
  return code;
}

size_t CodePoints(std::string_view utf8) {
  size_t count = 0;
  for (const char c : utf8) count += StartsCodePoint(c) ? 1 : 0;
  return count;
}

std::string_view FirstCodePoints(std::string_view utf8, size_t limit) {
  size_t end = 0;
  for (size_t chars = 0; end < utf8.size() && chars < limit; ++chars) {
    ++end;
    while (end < utf8.size() && !StartsCodePoint(utf8[end])) ++end;
  }
  return utf8.substr(0, end);
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    code = 0xFFFD;
  }
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace forms
