// The module that index.html?exercise=NAME.trovanel loads instead of the
// built-in one: it fetches the exercise file beside the page, reads it with
// the TOML parser (which only this module carries), writes the exercise's
// page in the browser with the same function the build uses, puts it in
// place and binds to it.
// A bad file is told in the form's place, announced to screen readers.

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "forms/web/program.h"
#include "quiz/exercise_file.h"
#include "pages/exercise_address.h"
#include "pages/exercise_page.h"
#include "app/opened_exercise.h"
#include "app/trovanel_app.h"

namespace {

// The value of the page's `exercise` parameter, in memory the caller frees;
// null when there is none.
EM_JS(char*, TrovanelExerciseParameter, (), {
  const name = new URLSearchParams(location.search).get('exercise');
  return name === null ? 0 : allocateUTF8(name);
});

// Puts the page written by ExercisePage in place of the page's own
// (page_in_place.js, which this module carries).
EM_JS(void, TrovanelShowPage, (const char* html), {
  putPageInPlace(UTF8ToString(html));
});

// Tells why the file cannot be shown in the form's place, the page's main
// landmark still (page_alert.js, which the page carries).
EM_JS(void, TrovanelShowError, (const char* text), {
  showPageAlert(UTF8ToString(text));
});

constexpr const char* kIcon = "trovanel.png";

std::string& FileName() {
  static std::string name;
  return name;
}

void Show(const std::optional<std::string>& bytes) {
  // The page keeps running after this returns, and so do these.
  static std::unique_ptr<trovanel::OpenedExercise> opened;
  static std::unique_ptr<trovanel::TrovanelApp> app;
  opened = std::make_unique<trovanel::OpenedExercise>(bytes, FileName());
  if (!opened->ok()) {
    TrovanelShowError(opened->error().c_str());
    return;
  }
  app = std::make_unique<trovanel::TrovanelApp>(opened->layout(),
                                                opened->exercise());
  const std::string page = trovanel::ExercisePage(
      opened->layout(), opened->exercise(), {.icon = kIcon});
  TrovanelShowPage(page.c_str());
  forms::web::RunForm(app->form(), kIcon);
}

}  // namespace

int main() {
  std::unique_ptr<char, void (*)(void*)> name(TrovanelExerciseParameter(),
                                              &std::free);
  FileName() = name ? name.get() : "";
  if (!trovanel::IsBesideThePage(FileName())) {
    TrovanelShowError(
        quiz::ExerciseError{.file = FileName(),
                            .message = "отваря се само файл .trovanel, "
                                       "който е до страницата"}
            .Text()
            .c_str());
    return 0;
  }
  emscripten_async_wget_data(
      FileName().c_str(), nullptr,
      [](void*, void* data, int size) {
        Show(std::string(static_cast<const char*>(data),
                         static_cast<size_t>(size)));
      },
      [](void*) { Show(std::nullopt); });
  return 0;
}
