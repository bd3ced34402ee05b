#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_ATK_UTIL_HOOKS_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_ATK_UTIL_HOOKS_H_

#include <atk/atk.h>

namespace forms::fltk::accessibility {

// Makes ATK's global entry points answer for this program: the root object,
// the toolkit's name and version, and the global event listeners through
// which the bridge subscribes to the signals of every object. Before the
// bridge starts; nullptr takes the root away again.
void InstallUtilHooks(AtkObject* root);

// Calls back once, when the first global event listener is added (the
// bridge hooking the signals it forwards); nullptr cancels.
void WhenListenedTo(void (*callback)(void*), void* data);

// Shows a key of the window to the key event listeners (a screen reader's,
// through the bridge) before the window sees it. True when one of them
// consumes it: the window must not see it then.
bool KeyConsumed(AtkKeyEventStruct* event);

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_ATK_UTIL_HOOKS_H_
