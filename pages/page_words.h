#ifndef TROVANEL_PAGES_PAGE_WORDS_H_
#define TROVANEL_PAGES_PAGE_WORDS_H_

#include <string_view>

#include "forms/web/page_markup.h"

namespace trovanel {

// The words a page of an exercise says of its own, beside the exercise's
// texts: in Bulgarian for an exercise in Bulgarian, else in English.
struct PageWords {
  forms::web::PageWords page;
  std::string_view message_box;  // what screen readers call the message box
};

const PageWords& PageWordsFor(std::string_view language);

}  // namespace trovanel

#endif  // TROVANEL_PAGES_PAGE_WORDS_H_
