#include "forms/fltk/program.h"

#include <cstdio>
#include <string>

#include "forms/core/window_binding.h"
#include "forms/fltk/display.h"
#include "forms/fltk/fltk_form.h"

namespace forms::fltk {

int RunForm(Form& form, const char* const* icon_xpm) {
  std::string error;
  if (!OpenDisplay(&error)) {
    std::fprintf(stderr, "%s: %s\n",
                 std::string(form.description().name).c_str(), error.c_str());
    return kExitCannotStart;
  }
  FltkForm window(form, LogicalDpi());
  WindowBinding binding(form, window, [&window](const RuntimeError& e) {
    window.ReportError(e);
  });
  window.SetIcon(icon_xpm);
  form.Load();
  if (form.failed()) return kExitRuntimeError;
  window.Show();
  return window.Run();
}

}  // namespace forms::fltk
