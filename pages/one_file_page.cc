#include "pages/one_file_page.h"

#include "icon_data_uri.h"
#include "pages/exercise_page.h"

namespace trovanel {

std::string OneFilePage(const forms::FormDescription& layout,
                        const quiz::Exercise& exercise,
                        std::string_view packed_module,
                        std::string_view extra_script) {
  return ExercisePage(layout, exercise,
                      {.packed_module = packed_module,
                       .icon = kIconDataUri,
                       .extra_script = extra_script});
}

}  // namespace trovanel
