#include "pages/page_words.h"

namespace trovanel {
namespace {

constexpr PageWords kBulgarian = {
    .page = {.cannot_start = "Страницата не може да започне: ",
             .not_loaded = " не се зареди",
             .script_off = "JavaScript е изключен."},
    .message_box = "Съобщение",
};

constexpr PageWords kEnglish = {
    .page = {.cannot_start = "The page cannot start: ",
             .not_loaded = " did not load",
             .script_off = "JavaScript is turned off."},
    .message_box = "Message",
};

}  // namespace

const PageWords& PageWordsFor(std::string_view language) {
  return language == "bg" || language.starts_with("bg-") ? kBulgarian
                                                        : kEnglish;
}

}  // namespace trovanel
