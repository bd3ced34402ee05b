#include "forms/fltk/program.h"

#include <cstdio>
#include <string>

#include "forms/core/observer_chain.h"
#include "forms/core/window_binding.h"
#include "forms/fltk/accessibility/loader.h"
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
  // Screen readers hear of every change after the window has shown it.
  std::unique_ptr<accessibility::Layer> layer =
      accessibility::StartAccessibility(form, window);
  ObserverChain observers(window, layer.get());
  WindowBinding binding(form, observers, [&window](const RuntimeError& e) {
    window.ReportError(e);
  });
  window.SetIcon(icon_xpm);
  form.Load();
  if (form.failed()) return kExitRuntimeError;
  window.Show();
  return window.Run();
}

}  // namespace forms::fltk
