#ifndef TROVANEL_FORMS_FLTK_ERROR_REPORT_H_
#define TROVANEL_FORMS_FLTK_ERROR_REPORT_H_

#include "forms/core/runtime_error.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

// Writes the report's line to stderr, then shows it in a modal dialog in
// the form's font and waits until the user closes it.
void ShowErrorReport(const RuntimeError& error, const Style& style);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_ERROR_REPORT_H_
