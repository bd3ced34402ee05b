#ifndef TROVANEL_FORMS_FLTK_DISPLAY_H_
#define TROVANEL_FORMS_FLTK_DISPLAY_H_

#include <string>

namespace forms::fltk {

// Connects FLTK to the X display named by DISPLAY. On failure returns false
// and fills in the one line to tell the user; FLTK would otherwise end the
// process itself.
bool OpenDisplay(std::string* error);

// The logical dpi desktops scale by: the Xft.dpi resource when it is set,
// else 96. Needs the display open.
int LogicalDpi();

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_DISPLAY_H_
