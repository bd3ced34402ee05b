#ifndef TROVANEL_FORMS_CORE_LINE_BREAKS_H_
#define TROVANEL_FORMS_CORE_LINE_BREAKS_H_

#include <string>
#include <string_view>

namespace forms {

// A text for a backend that breaks lines only on LF: each CR LF, and a lone
// CR, becomes one LF. For display only; the model keeps the exact text.
std::string WithLineFeeds(std::string_view text);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_LINE_BREAKS_H_
