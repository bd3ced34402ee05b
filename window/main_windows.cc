// The Windows program: the Trovanel form on native controls.
#include <windows.h>

#include <cstdlib>

#include "forms/core/runtime_error.h"
#include "forms/win32/error_dialog.h"
#include "forms/win32/message_loop.h"
#include "forms/win32/win32_form.h"
#include "resources/resource_ids.h"
#include "window/trovanel_app.h"

// The library's default handler for an uncaught exception prints its type
// through the demangler, a sixth of this program's size; a window program has
// no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  trovanel::TrovanelApp app;
  forms::win32::Win32Form window(app.form(), instance, TROVANEL_ICON_ID);
  if (!window.hwnd()) return forms::kExitCannotStart;
  app.form().SetErrorReporter(forms::win32::ErrorDialog(window));
  app.Load();
  if (app.form().failed()) return forms::kExitRuntimeError;
  window.Show(show_command);
  return forms::win32::RunMessageLoop(window);
}
