// The module of a one-file page (trovanel-page): the exercise comes with the
// page as plain text, read here without a TOML parser, and the module binds
// to the markup the tool wrote from the same layout.

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "forms/core/runtime_error.h"
#include "forms/web/page_markup.h"
#include "forms/web/program.h"
#include "quiz/exercise_text.h"
#include "window/exercise_layout.h"
#include "window/trovanel_app.h"

// The text of the page's element `id`, in memory the caller frees; null when
// there is no such element.
EM_JS(char*, TrovanelElementText, (const char* id), {
  const element = document.getElementById(UTF8ToString(id));
  return element ? allocateUTF8(element.textContent) : 0;
});

// The icon the tool wrote into the page, in memory the caller frees.
EM_JS(char*, TrovanelPageIcon, (), {
  const link = document.querySelector('link[rel=icon]');
  return allocateUTF8(link ? link.href : 'data:,');
});

int main() {
  std::unique_ptr<char, void (*)(void*)> text(
      TrovanelElementText(forms::web::kPageDataId), &std::free);
  std::optional<quiz::Exercise> read =
      text ? quiz::ReadExerciseText(text.get()) : std::nullopt;
  if (!read) {
    std::fprintf(stderr, "Trovanel: the page carries no exercise\n");
    return forms::kExitCannotStart;
  }
  // The page keeps running after main() returns, and so do these.
  static const quiz::Exercise exercise = std::move(*read);
  static const trovanel::ExerciseLayout layout(exercise);
  static trovanel::TrovanelApp app(layout.description(), exercise);
  const std::unique_ptr<char, void (*)(void*)> icon(TrovanelPageIcon(),
                                                    &std::free);
  return forms::web::RunForm(app.form(), icon.get());
}
