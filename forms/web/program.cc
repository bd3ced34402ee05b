#include "forms/web/program.h"

#include <cstdio>
#include <memory>
#include <string>

#include "forms/web/web_form.h"

namespace forms::web {

int RunForm(Form& form) {
  // The page lives on after main() returns.
  static std::unique_ptr<WebForm> page;
  page = std::make_unique<WebForm>(form);
  if (!page->Bind()) {
    std::fprintf(stderr, "%s: the page does not hold this form\n",
                 std::string(form.description().name).c_str());
    return kExitCannotStart;
  }
  WebForm* live = page.get();
  form.SetErrorReporter(
      [live](const RuntimeError& e) { live->ReportError(e); });
  form.SetObserver(live);
  form.Load();
  if (form.failed()) return kExitRuntimeError;
  live->Show();
  return kExitClosed;
}

}  // namespace forms::web
