#ifndef TROVANEL_PAGES_ONE_FILE_PAGE_H_
#define TROVANEL_PAGES_ONE_FILE_PAGE_H_

#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "quiz/exercise.h"

namespace trovanel {

// The page of an exercise laid out by `layout` (ExercisePage) in one file:
// `packed_module` (the page's module with its WebAssembly, packed into
// base64 text by the build) and the icon inlined. Written by trovanel-page
// and by the editor, whose preview shows the same page.
// `extra_script` goes beside the form, before the module.
std::string OneFilePage(const forms::FormDescription& layout,
                        const quiz::Exercise& exercise,
                        std::string_view packed_module,
                        std::string_view extra_script = {});

}  // namespace trovanel

#endif  // TROVANEL_PAGES_ONE_FILE_PAGE_H_
