#ifndef TROVANEL_FORMS_WIN32_ERROR_DIALOG_H_
#define TROVANEL_FORMS_WIN32_ERROR_DIALOG_H_

#include "forms/core/form.h"
#include "forms/win32/win32_form.h"

namespace forms::win32 {

// The run-time error report: a message box over the window naming the error,
// then the message loop ends with the run-time error's exit status.
ErrorReporter ErrorDialog(const Win32Form& window);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_ERROR_DIALOG_H_
