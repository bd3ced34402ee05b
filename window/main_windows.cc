// The Windows program: the Trovanel form on native controls.
//   Trovanel.exe [FILE.trovanel]
// A file dropped onto the program arrives as FILE. Without one, the
// built-in exercise, and nothing is read.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "forms/core/runtime_error.h"
#include "forms/win32/program.h"
#include "forms/win32/start_error.h"
#include "forms/win32/wide_text.h"
#include "quiz/exercise_file.h"
#include "resources/resource_ids.h"
#include "window/opened_exercise.h"
#include "window/trovanel_app.h"

// The library's default handler for an uncaught exception prints its type
// through the demangler, a sixth of this program's size; a window program has
// no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

std::optional<std::string> ReadFile(const wchar_t* path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(_wfopen(path, L"rb"),
                                                       &std::fclose);
  if (!file) return std::nullopt;
  return quiz::ReadWholeFile(file.get());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The runtime has split the command line as the system does, in UTF-16,
  // so Cyrillic folder names arrive whole.
  if (__argc < 2) {
    trovanel::TrovanelApp app;
    return forms::win32::RunForm(app.form(), TROVANEL_ICON_ID);
  }
  if (__argc > 2) {
    return forms::win32::ReportCannotStart(
        trovanel::kBadExerciseTitle, "Trovanel.exe [УПРАЖНЕНИЕ.trovanel]");
  }
  const wchar_t* path = __wargv[1];
  const trovanel::OpenedExercise opened(ReadFile(path),
                                        forms::win32::WideToUtf8(path));
  if (!opened.ok()) {
    return forms::win32::ReportCannotStart(trovanel::kBadExerciseTitle,
                                           opened.error());
  }
  trovanel::TrovanelApp app(opened.layout(), opened.exercise());
  return forms::win32::RunForm(app.form(), TROVANEL_ICON_ID);
}
