// Trovanel on Linux: the form drawn by the FLTK backend on an X11 display.
//   trovanel [FILE.trovanel]
// Without a file, the built-in exercise, and nothing is read.

#include <cstdio>
#include <optional>

#include "forms/core/runtime_error.h"
#include "forms/fltk/program.h"
#include "forms/fltk/start_error.h"
#include "resources/trovanel.xpm"
#include "app/program_shell.h"
#include "app/trovanel_layout.h"

namespace {

int RunForm(forms::Form& form) {
  return forms::fltk::RunForm(form, trovanel_xpm);
}

int ReportCannotStart(const char* title, std::string_view line) {
  return forms::fltk::ReportCannotStart(title, line,
                                        trovanel::TrovanelLayout().font);
}

constexpr trovanel::ProgramBackend kFltk = {
    .run_form = &RunForm, .report_cannot_start = &ReportCannotStart};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: %s [FILE.trovanel]\n", argv[0]);
    return forms::kExitCannotStart;
  }
  if (argc < 2) return trovanel::RunProgram(kFltk, std::nullopt);
  const char* path = argv[1];
  return trovanel::RunProgram(
      kFltk, trovanel::ExerciseFileArgument{
                 path, [path] { return std::fopen(path, "rb"); }});
}
