#ifndef TROVANEL_QUIZ_GIFT_HTML_H_
#define TROVANEL_QUIZ_GIFT_HTML_H_

#include <string>
#include <string_view>

namespace quiz {

// The text an "[html]" text of a GIFT question shows: tags left out, a
// line break for <br> and the end of a paragraph, a division or an item,
// character references as their letters, runs of blanks as one.
std::string PlainTextOfHtml(std::string_view html);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_GIFT_HTML_H_
