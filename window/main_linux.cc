// Trovanel on Linux: the form drawn by the FLTK backend on an X11 display.
//   trovanel [FILE.trovanel]
// Without a file, the built-in exercise, and nothing is read.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "forms/core/runtime_error.h"
#include "forms/fltk/program.h"
#include "forms/fltk/start_error.h"
#include "quiz/exercise_file.h"
#include "resources/trovanel.xpm"
#include "window/opened_exercise.h"
#include "window/trovanel_app.h"

namespace {

std::optional<std::string> ReadFile(const char* path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"),
                                                       &std::fclose);
  if (!file) return std::nullopt;
  return quiz::ReadWholeFile(file.get());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    trovanel::TrovanelApp app;
    return forms::fltk::RunForm(app.form(), trovanel_xpm);
  }
  if (argc > 2) {
    std::fprintf(stderr, "usage: %s [FILE.trovanel]\n", argv[0]);
    return forms::kExitCannotStart;
  }
  const trovanel::OpenedExercise opened(ReadFile(argv[1]), argv[1]);
  if (!opened.ok()) {
    return forms::fltk::ReportCannotStart(
        trovanel::kBadExerciseTitle, opened.error(),
        trovanel::TrovanelLayout().font);
  }
  trovanel::TrovanelApp app(opened.layout(), opened.exercise());
  return forms::fltk::RunForm(app.form(), trovanel_xpm);
}
