#ifndef TROVANEL_FORMS_WEB_PAGE_STYLE_RULES_H_
#define TROVANEL_FORMS_WEB_PAGE_STYLE_RULES_H_

#include <string_view>

namespace forms::web {

// page_style.css, built in without its comments and line breaks: the look
// of each kind of control, the same for every form.
extern const std::string_view kKindRules;

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_PAGE_STYLE_RULES_H_
