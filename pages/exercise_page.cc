#include "pages/exercise_page.h"

#include <vector>

#include "forms/web/page_markup.h"
#include "quiz/exercise_text.h"
#include "pages/page_words.h"
#include "app/trovanel_app.h"
#include "app/trovanel_layout.h"

namespace trovanel {

std::string ExercisePage(const forms::FormDescription& layout,
                         const quiz::Exercise& exercise,
                         const PageWrapper& wrapper) {
  const PageWords& words = PageWordsFor(exercise.language);
  // The message box is named in the page's language.
  std::vector<forms::ControlDescription> controls(layout.controls.begin(),
                                                  layout.controls.end());
  for (forms::ControlDescription& control : controls) {
    if (control.array == kTextArray && control.member == kMessageBox) {
      control.accessible_name = words.message_box;
    }
  }
  forms::FormDescription named = layout;
  named.controls = controls;
  TrovanelApp app(named, exercise);
  app.Load();  // the page opens in the state the window opens in
  const std::string summary = quiz::Summary(exercise);
  const std::string data = quiz::WriteExerciseText(exercise);
  return forms::web::PageMarkup(app.form(),
                                {.language = exercise.language,
                                 .words = words.page,
                                 .description = summary,
                                 .script = wrapper.script,
                                 .module = wrapper.module,
                                 .icon = wrapper.icon,
                                 .packed_module = wrapper.packed_module,
                                 .data = data,
                                 .extra_script = wrapper.extra_script});
}

}  // namespace trovanel
