// Trovanel's module on a layout whose gait-key list has lost all but its
// first row: the first check that reads another gait's key fails, so the
// page's run-time error report can be seen. Built for the page's tests only.
#include "forms/web/program.h"
#include "quiz/built_in_exercise.h"
#include "tests/support/changed_layout.h"
#include "app/trovanel_app.h"

int main() {
  // The page keeps running after main() returns.
  static const auto faulty = trovanel_test::ChangedLayout::ShortGaitKeys(1);
  static trovanel::TrovanelApp app(faulty.layout(), quiz::BuiltInExercise());
  return forms::web::RunForm(app.form(), "trovanel.png");
}
