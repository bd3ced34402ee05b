#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_BUS_PRESENCE_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_BUS_PRESENCE_H_

#include <X11/Xlib.h>

namespace forms::fltk::accessibility {

// Whether a screen reader could be listening: a session bus (its address in
// the environment, or the user's bus socket in the runtime directory) or an
// accessibility bus announced on the display's root window. Starts nothing:
// without any of them the bridge would make libdbus launch a session bus.
// NO_AT_BRIDGE=1 turns accessibility off, as for other toolkits.
bool AccessibilityBusPresent(Display* display);

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_BUS_PRESENCE_H_
