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

}  // namespace forms
