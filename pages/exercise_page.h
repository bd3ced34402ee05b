#ifndef TROVANEL_PAGES_EXERCISE_PAGE_H_
#define TROVANEL_PAGES_EXERCISE_PAGE_H_

#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "quiz/exercise.h"

namespace trovanel {

// How a page's module and icon arrive: served beside the page (`script`,
// `module`, `icon` relative to it), or inside it (`packed_module`, the
// module packed into base64 text by the build, and `icon` a data: address).
struct PageWrapper {
  std::string_view script = {};
  std::string_view module = {};
  std::string_view packed_module = {};
  std::string_view icon = {};
  // A script of the wrapper's beside the form, run before the module: a
  // learning platform's layer.
  std::string_view extra_script = {};
};

// The page of an exercise laid out by `layout`, the one page every wrapper
// gives: its markup in the state the window opens in, announced in the
// exercise's language with its own words in that language, described by
// the exercise's summary, and the exercise as plain text for the module,
// which reads it from the page and binds to the markup.
std::string ExercisePage(const forms::FormDescription& layout,
                         const quiz::Exercise& exercise,
                         const PageWrapper& wrapper);

}  // namespace trovanel

#endif  // TROVANEL_PAGES_EXERCISE_PAGE_H_
