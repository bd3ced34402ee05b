// Trovanel on Linux: the form drawn by the FLTK backend on an X11 display.

#include <cstdio>

#include "forms/fltk/display.h"
#include "forms/fltk/fltk_form.h"
#include "window/trovanel_app.h"

#include "resources/trovanel.xpm"

int main() {
  std::string error;
  if (!forms::fltk::OpenDisplay(&error)) {
    std::fprintf(stderr, "trovanel: %s\n", error.c_str());
    return forms::kExitCannotStart;
  }
  trovanel::TrovanelApp app;
  forms::fltk::FltkForm window(app.form(), forms::fltk::LogicalDpi());
  app.form().SetErrorReporter(
      [&window](const forms::RuntimeError& e) { window.ReportError(e); });
  app.form().SetObserver(&window);
  window.SetIcon(trovanel_xpm);
  app.Load();
  if (app.form().failed()) return forms::kExitRuntimeError;
  window.Show();
  return window.Run();
}
