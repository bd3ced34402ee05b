#ifndef TROVANEL_FORMS_CORE_LINE_BREAKS_H_
#define TROVANEL_FORMS_CORE_LINE_BREAKS_H_

#include <string>
#include <string_view>

namespace forms {

// Each CR LF, and a lone CR, as one LF: for a backend that breaks lines only
// on LF (the model keeps the exact text), and for a file or a field that
// wants LF line ends.
std::string WithLineFeeds(std::string_view text);

// Each line end (CR LF, LF or a lone CR) as CR LF, as the model keeps texts.
std::string WithCrLf(std::string_view text);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_LINE_BREAKS_H_
