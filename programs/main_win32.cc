// The Windows program: the Trovanel form on native controls.
//   Trovanel.exe [FILE.trovanel]
// A file dropped onto the program arrives as FILE. Without one, the
// built-in exercise, and nothing is read.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "forms/win32/program.h"
#include "forms/win32/start_error.h"
#include "forms/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "app/opened_exercise.h"
#include "app/program_shell.h"

// The library's default handler for an uncaught exception prints its type
// through the demangler, a sixth of this program's size; a window program has
// no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

int RunForm(forms::Form& form) {
  return forms::win32::RunForm(form, TROVANEL_ICON_ID);
}

int ReportCannotStart(const char* title, std::string_view line) {
  return forms::win32::ReportCannotStart(title, line);
}

constexpr trovanel::ProgramBackend kWin32 = {
    .run_form = &RunForm, .report_cannot_start = &ReportCannotStart};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The runtime has split the command line as the system does, in UTF-16,
  // so Cyrillic folder names arrive whole.
  if (__argc > 2) {
    return forms::win32::ReportCannotStart(
        trovanel::kBadExerciseTitle, "Trovanel.exe [УПРАЖНЕНИЕ.trovanel]");
  }
  if (__argc < 2) return trovanel::RunProgram(kWin32, std::nullopt);
  const wchar_t* path = __wargv[1];
  return trovanel::RunProgram(
      kWin32,
      trovanel::ExerciseFileArgument{forms::win32::WideToUtf8(path),
                                     [path] { return _wfopen(path, L"rb"); }});
}
