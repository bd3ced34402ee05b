#ifndef TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_
#define TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_

#include <windows.h>

#include "forms/core/controls.h"

namespace forms::win32 {

// Creates the native child window of one control, with its caption, rows or
// text, at a provisional place (the form places and sizes every widget for
// its dpi).
HWND CreateWidget(HWND parent, HINSTANCE instance, const Control& control,
                  int id);

// The system colour a control shows when the window description gives it no
// back colour.
int DefaultBackColorIndex(ControlKind kind);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_
