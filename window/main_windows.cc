// The Windows program: the Trovanel form on native controls.
#include <windows.h>

#include <cstdlib>

#include "forms/win32/program.h"
#include "resources/resource_ids.h"
#include "window/trovanel_app.h"

// The library's default handler for an uncaught exception prints its type
// through the demangler, a sixth of this program's size; a window program has
// no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  trovanel::TrovanelApp app;
  return forms::win32::RunForm(app.form(), TROVANEL_ICON_ID);
}
