#include "forms/win32/program.h"

#include <windows.h>

#include "forms/core/observer_chain.h"
#include "forms/core/window_binding.h"
#include "forms/win32/accessibility.h"
#include "forms/win32/error_dialog.h"
#include "forms/win32/message_loop.h"
#include "forms/win32/win32_form.h"

namespace forms::win32 {

int RunForm(Form& form, int icon_id) {
  Win32Form window(form, GetModuleHandleW(nullptr));
  if (!window.hwnd()) return kExitCannotStart;
  // Screen readers hear of every change after the window has shown it.
  Accessibility accessibility(form, window);
  ObserverChain observers(window, &accessibility);
  WindowBinding binding(form, observers, ErrorDialog(window));
  window.SetIcon(icon_id);
  form.Load();
  if (form.failed()) return kExitRuntimeError;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  GetStartupInfoW(&startup);
  window.Show((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow
                                                       : SW_SHOWDEFAULT);
  return RunMessageLoop(window);
}

}  // namespace forms::win32
