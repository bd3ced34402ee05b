#include "app/program_shell.h"

#include "quiz/built_in_exercise.h"
#include "app/built_in_layout.h"
#include "app/opened_exercise.h"
#include "app/trovanel_app.h"

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
