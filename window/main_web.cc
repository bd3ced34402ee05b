// Trovanel in the browser: the module binds to the page that the build made
// from the same layout table and makes it live.

#include "forms/web/program.h"
#include "window/trovanel_app.h"

int main() {
  // The page keeps running after main() returns.
  static trovanel::TrovanelApp app;
  return forms::web::RunForm(app.form(), TROVANEL_PAGE_ICON);
}
