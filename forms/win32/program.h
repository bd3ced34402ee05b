#ifndef TROVANEL_FORMS_WIN32_PROGRAM_H_
#define TROVANEL_FORMS_WIN32_PROGRAM_H_

#include "forms/core/form.h"

namespace forms::win32 {

// The whole life of a program on one form, as the runtime runs it: builds
// the native window, raises the load event, shows the window and dispatches
// messages until it is closed. Returns the exit status: kExitClosed,
// kExitCannotStart or kExitRuntimeError (after the error report). The icon
// is a resource id of the executable, 0 for none. The form's handlers must
// be bound already.
int RunForm(Form& form, int icon_id);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_PROGRAM_H_
