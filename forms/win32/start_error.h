#ifndef TROVANEL_FORMS_WIN32_START_ERROR_H_
#define TROVANEL_FORMS_WIN32_START_ERROR_H_

#include <string_view>

namespace forms::win32 {

// Tells why the program cannot start: `line` on stderr (where there is
// one), then in a message box titled `title`, until the user closes it.
// Returns kExitCannotStart.
int ReportCannotStart(std::string_view title, std::string_view line);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_START_ERROR_H_
