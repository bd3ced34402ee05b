#ifndef TROVANEL_FORMS_WIN32_DPI_H_
#define TROVANEL_FORMS_WIN32_DPI_H_

#include <windows.h>

namespace forms::win32 {

// The dpi the window is drawn at: its monitor's where the system scales per
// monitor, else the system's.
int WindowDpi(HWND window);

// The outer size of a window whose client area is width x height at dpi.
SIZE OuterSizeForClient(int width, int height, DWORD style, DWORD ex_style,
                        int dpi);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_DPI_H_
