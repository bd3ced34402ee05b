#include "forms/fltk/program.h"

#include <cstdio>
#include <string>

#include "forms/core/observer_chain.h"
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
  form.SetErrorReporter(
      [&window](const RuntimeError& e) { window.ReportError(e); });
  window.SetIcon(icon_xpm);
  std::unique_ptr<accessibility::Layer> layer =
      accessibility::StartAccessibility(form, window);
  ObserverChain observers(window, layer.get());
  form.SetObserver(&observers);
  form.Load();
  int status = kExitRuntimeError;
  if (!form.failed()) {
    window.Show();
    status = window.Run();
  }
  form.SetObserver(nullptr);
  form.SetErrorReporter(nullptr);
  layer.reset();
  return status;
}

}  // namespace forms::fltk
