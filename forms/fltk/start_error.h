#ifndef TROVANEL_FORMS_FLTK_START_ERROR_H_
#define TROVANEL_FORMS_FLTK_START_ERROR_H_

#include <string_view>

#include "forms/core/form_description.h"

namespace forms::fltk {

// Tells why the program cannot start: `line` on stderr, then, where a
// display opens, in a modal dialog titled `title` in `font`, until the user
// closes it. Returns kExitCannotStart.
int ReportCannotStart(const char* title, std::string_view line,
                      const FontDescription& font);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_START_ERROR_H_
