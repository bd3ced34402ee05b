#ifndef TROVANEL_FORMS_WIN32_MESSAGE_LOOP_H_
#define TROVANEL_FORMS_WIN32_MESSAGE_LOOP_H_

#include <optional>

#include "forms/win32/win32_form.h"

namespace forms::win32 {

// Runs until the window is closed or a run-time error report ends the
// program; returns the exit status.
int RunMessageLoop(Win32Form& window);

// Handles the messages that are waiting now, the same way; the exit status
// once the loop has been told to end.
std::optional<int> PumpPending(Win32Form& window);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_MESSAGE_LOOP_H_
