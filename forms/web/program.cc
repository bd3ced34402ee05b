#include "forms/web/program.h"

#include <cstdio>
#include <memory>
#include <string>

#include "forms/core/window_binding.h"
#include "forms/web/web_form.h"

namespace forms::web {

int RunForm(Form& form, const char* icon_url) {
  // The page lives on after main() returns, and so do these.
  static std::unique_ptr<WebForm> window;
  static std::unique_ptr<WindowBinding> binding;
  // Run again on another form, the page lets the last one go first.
  binding.reset();
  window = std::make_unique<WebForm>(form);
  if (!window->Bind()) {
    std::fprintf(stderr, "%s: the page does not hold this form\n",
                 std::string(form.description().name).c_str());
    return kExitCannotStart;
  }
  WebForm* page = window.get();
  binding = std::make_unique<WindowBinding>(
      form, *page, [page](const RuntimeError& e) { page->ReportError(e); });
  page->SetIcon(icon_url);
  form.Load();
  if (form.failed()) return kExitRuntimeError;
  page->Show();
  return kExitClosed;
}

}  // namespace forms::web
