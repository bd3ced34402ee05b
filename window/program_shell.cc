#include "window/program_shell.h"

#include "quiz/built_in_exercise.h"
#include "window/built_in_layout.h"
#include "window/opened_exercise.h"
#include "window/trovanel_app.h"

namespace trovanel {

int RunProgram(const ProgramBackend& backend,
               const std::optional<ExerciseFileArgument>& file) {
  if (!file) {
    TrovanelApp app(BuiltInLayout(), quiz::BuiltInExercise());
    return backend.run_form(app.form());
  }
  const OpenedExercise opened(ReadExerciseFile(file->open()), file->name);
  if (!opened.ok()) {
    return backend.report_cannot_start(kBadExerciseTitle, opened.error());
  }
  TrovanelApp app(opened.layout(), opened.exercise());
  return backend.run_form(app.form());
}

}  // namespace trovanel
