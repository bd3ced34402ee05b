#ifndef TROVANEL_FORMS_WEB_PROGRAM_H_
#define TROVANEL_FORMS_WEB_PROGRAM_H_

#include "forms/core/form.h"

namespace forms::web {

// The life of a program on one form in a page that shows the form already
// (its markup made from the same table), in the steps of every backend:
// finds the form on the page, binds to its elements, sets the icon (the
// URL of a PNG), raises the load event and makes the form live. The browser
// then dispatches the pupil's input for as long as the page is open, so
// this returns at once and the form must outlive the call. Returns
// kExitClosed when the form is live, kExitCannotStart when the page does
// not hold the form (one line on the console) and kExitRuntimeError after
// the error report. It may run again on another form once the page holds
// that form's markup instead: the page then drives the new form alone.
int RunForm(Form& form, const char* icon_url);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_PROGRAM_H_
