#ifndef TROVANEL_FORMS_WIN32_WIDE_TEXT_H_
#define TROVANEL_FORMS_WIN32_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace forms::win32 {

// The model's UTF-8 and the UTF-16 of the W functions; every character,
// blank and CR LF passes unchanged.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_WIDE_TEXT_H_
