// Trovanel in the browser: the module binds to the page that the build made
// from the same layout table and makes it live. Asked for an exercise file
// (index.html?exercise=NAME.trovanel), it hands the page to the module that
// reads such files instead.

#include <emscripten.h>

#include "forms/web/program.h"
#include "quiz/built_in_exercise.h"
#include "window/built_in_layout.h"
#include "window/trovanel_app.h"

// 1 when the page is asked for an exercise file, whose module it then loads.
EM_JS(int, TrovanelLoadsExerciseModule, (), {
  if (!new URLSearchParams(location.search).has('exercise')) return 0;
  const script = document.createElement('script');
  script.src = 'trovanel-exercise.js';
  script.onload = () => TrovanelExercise();
  document.head.appendChild(script);
  return 1;
});

int main() {
  if (TrovanelLoadsExerciseModule()) return 0;
  // The page keeps running after main() returns.
  static trovanel::TrovanelApp app(trovanel::BuiltInLayout(),
                                   quiz::BuiltInExercise());
  return forms::web::RunForm(app.form(), TROVANEL_PAGE_ICON);
}
