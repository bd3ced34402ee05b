// Trovanel on a layout whose gait-key list has lost all but its first row:
// the first check that reads another gait's key fails as a control call, so
// the run-time error report can be seen end to end. Built for the tests only.

#include "forms/fltk/program.h"
#include "quiz/built_in_exercise.h"
#include "resources/trovanel.xpm"
#include "tests/support/changed_layout.h"
#include "app/trovanel_app.h"

int main() {
  const auto faulty = trovanel_test::ChangedLayout::ShortGaitKeys(1);
  trovanel::TrovanelApp app(faulty.layout(), quiz::BuiltInExercise());
  return forms::fltk::RunForm(app.form(), trovanel_xpm);
}
