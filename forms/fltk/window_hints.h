#ifndef TROVANEL_FORMS_FLTK_WINDOW_HINTS_H_
#define TROVANEL_FORMS_FLTK_WINDOW_HINTS_H_

#include "forms/core/form_description.h"

class Fl_Window;

namespace forms::fltk {

// Tells the window manager which title-bar buttons and functions the window
// has (move and close always; resize, minimise, maximise as the form says).
// FLTK writes its own Motif hints on show() and size_range(), so call this
// after both.
void WriteMotifHints(const FormDescription& form, const Fl_Window& window);

// FLTK writes WM_NAME and WM_ICON_NAME as UTF-8 bytes typed STRING, which
// means Latin-1: a window manager that reads only these shows garbage.
// Rewrites both as compound text (UTF8_STRING where the locale cannot
// convert). Call after show().
void WriteLegacyTitle(const FormDescription& form, const Fl_Window& window);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_WINDOW_HINTS_H_
