// Trovanel in the browser: every page of an exercise (the served built-in
// one, a one-file page, the editor's preview) carries its exercise as plain
// text beside the form's markup, written from the same layout. This module
// reads it without a TOML parser, builds the same form and binds to the
// markup. Asked for an exercise file (index.html?exercise=NAME.trovanel), the
// page loads the module that reads such files instead.

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "forms/core/runtime_error.h"
#include "forms/web/page_markup.h"
#include "forms/web/program.h"
#include "quiz/exercise_text.h"
#include "app/exercise_layout.h"
#include "app/trovanel_app.h"

// 1 when the page is asked for an exercise file, whose module it then loads.
EM_JS(int, TrovanelLoadsExerciseModule, (), {
  if (!new URLSearchParams(location.search).has('exercise')) return 0;
  const script = document.createElement('script');
  script.src = 'trovanel-exercise.js';
  script.onload = () => TrovanelExercise();
  document.head.appendChild(script);
  return 1;
});

// The text of the page's element `id`, in memory the caller frees; null when
// there is no such element.
EM_JS(char*, TrovanelElementText, (const char* id), {
  const element = document.getElementById(UTF8ToString(id));
  return element ? allocateUTF8(element.textContent) : 0;
});

// The page's icon, in memory the caller frees.
EM_JS(char*, TrovanelPageIcon, (), {
  const link = document.querySelector('link[rel=icon]');
  return allocateUTF8(link ? link.href : 'data:,');
});

// Each check the pupil set off, as an event on the form that a page's own
// scripts may follow: detail {option, row, verdict}, -1 for nothing chosen,
// verdict 0 for a missing choice, 1 right, 2 wrong.
EM_JS(void, TrovanelTellCheck, (int option, int row, int verdict), {
  const form = document.querySelector('main.form');
  if (form) {
    form.dispatchEvent(
        new CustomEvent('trovanel-check', {detail: {option, row, verdict}}));
  }
});

// Shows the exercise the page carries in the form the page holds. Runs at
// the start, and again whenever both have been replaced: the editor's
// preview does so as the teacher types.
extern "C" EMSCRIPTEN_KEEPALIVE int TrovanelShowPageExercise() {
  std::unique_ptr<char, void (*)(void*)> text(
      TrovanelElementText(forms::web::kPageDataId), &std::free);
  std::optional<quiz::Exercise> read =
      text ? quiz::ReadExerciseText(text.get()) : std::nullopt;
  if (!read) {
    std::fprintf(stderr, "Trovanel: the page carries no exercise\n");
    return forms::kExitCannotStart;
  }
  // The page keeps running after this returns, and so do these; the form
  // that was live goes once the new one is.
  static std::unique_ptr<quiz::Exercise> exercise;
  static std::unique_ptr<trovanel::ExerciseLayout> layout;
  static std::unique_ptr<trovanel::TrovanelApp> app;
  auto next_exercise = std::make_unique<quiz::Exercise>(std::move(*read));
  auto next_layout = std::make_unique<trovanel::ExerciseLayout>(*next_exercise);
  auto next_app = std::make_unique<trovanel::TrovanelApp>(
      next_layout->description(), *next_exercise);
  next_app->OnCheck(
      [](int16_t option, int16_t row, quiz::QuizController::Verdict verdict) {
        TrovanelTellCheck(option, row, static_cast<int>(verdict));
      });
  const std::unique_ptr<char, void (*)(void*)> icon(TrovanelPageIcon(),
                                                    &std::free);
  const int status = forms::web::RunForm(next_app->form(), icon.get());
  app = std::move(next_app);
  layout = std::move(next_layout);
  exercise = std::move(next_exercise);
  return status;
}

int main() {
  if (TrovanelLoadsExerciseModule()) return 0;
  return TrovanelShowPageExercise();
}
