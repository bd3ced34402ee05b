#ifndef TROVANEL_FORMS_WEB_HTML_TEXT_H_
#define TROVANEL_FORMS_WEB_HTML_TEXT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace forms::web {

// UTF-8 text as HTML character data or an attribute value. CR LF is written
// as one line feed, the break a browser shows for it either way.
std::string HtmlText(std::string_view text);

// The pieces appended in order.
std::string Cat(std::initializer_list<std::string_view> pieces);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_HTML_TEXT_H_
