#include "window/one_file_page.h"

#include "forms/web/page_markup.h"
#include "icon_data_uri.h"
#include "quiz/exercise_text.h"
#include "window/trovanel_app.h"

namespace trovanel {

std::string OneFilePage(const forms::FormDescription& layout,
                        const quiz::Exercise& exercise,
                        std::string_view packed_module,
                        std::string_view extra_script) {
  TrovanelApp app(layout, exercise);
  app.Load();  // the page opens in the state the window opens in
  const std::string data = quiz::WriteExerciseText(exercise);
  return forms::web::PageMarkup(app.form(),
                                {.language = exercise.language,
                                 .description = quiz::Summary(exercise),
                                 .script = "",
                                 .module = "",
                                 .icon = kIconDataUri,
                                 .packed_module = packed_module,
                                 .data = data,
                                 .extra_script = extra_script});
}

}  // namespace trovanel
