#ifndef TROVANEL_APP_PROGRAM_SHELL_H_
#define TROVANEL_APP_PROGRAM_SHELL_H_

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "forms/core/form.h"

namespace trovanel {

// What a backend's program lends the shell.
struct ProgramBackend {
  // Shows the form until its window closes; returns the exit status.
  int (*run_form)(forms::Form& form);
  // Says why the program cannot start, on stderr and in a dialog titled
  // `title`; returns the exit status.
  int (*report_cannot_start)(const char* title, std::string_view line);
};

// The exercise file the command line names.
struct ExerciseFileArgument {
  std::string name;                  // as the messages name it, in UTF-8
  std::function<std::FILE*()> open;  // for reading; null when it cannot be
};

// The whole program after its command line: without a file, the built-in
// exercise, and nothing is read; else the file's exercise, or the one line
// that says why it cannot be shown ("FILE:LINE:COLUMN: message").
int RunProgram(const ProgramBackend& backend,
               const std::optional<ExerciseFileArgument>& file);

}  // namespace trovanel

#endif  // TROVANEL_APP_PROGRAM_SHELL_H_
