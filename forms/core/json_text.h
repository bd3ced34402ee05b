#ifndef TROVANEL_FORMS_CORE_JSON_TEXT_H_
#define TROVANEL_FORMS_CORE_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace forms {

// The text as a JSON string, quotes included: quotes, backslashes and
// control characters escaped, everything else as it is (UTF-8).
std::string JsonString(std::string_view text);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_JSON_TEXT_H_
