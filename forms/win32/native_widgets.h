#ifndef TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_
#define TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_

#include <windows.h>

#include "forms/core/controls.h"

namespace forms::win32 {

// Creates the native child window of one control, with its caption, rows or
// text, at a provisional place (the form places and sizes every widget for
// its dpi). starts_group: the first control of a keyboard group; an option
// group is one group, walked with the arrow keys.
HWND CreateWidget(HWND parent, HINSTANCE instance, const Control& control,
                  int id, bool starts_group);

// The system colour a control shows when the window description gives it no
// back colour.
int DefaultBackColorIndex(ControlKind kind);

// Only one option of a group is a tab stop: the chosen one, or the first.
void SetTabStop(HWND widget, bool tab_stop);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_NATIVE_WIDGETS_H_
