#ifndef TROVANEL_FORMS_FLTK_PROGRAM_H_
#define TROVANEL_FORMS_FLTK_PROGRAM_H_

#include "forms/core/form.h"

namespace forms::fltk {

// The whole life of a program on one form, as the runtime runs it: opens the
// display, builds the window, raises the load event, shows the window and
// dispatches events until it is closed. Returns the exit status:
// kExitClosed, kExitCannotStart (one line on stderr) or kExitRuntimeError
// (after the error report). The form's handlers must be bound already.
int RunForm(Form& form, const char* const* icon_xpm);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_PROGRAM_H_
