// Writes the Trovanel page at build time, the built-in exercise's page served
// with its module beside it, so that the browser paints the form before the
// module arrives.
//   built_in_page_writer OUT.html SCRIPT.js MODULE.wasm ICON.png

#include <cstdio>
#include <fstream>
#include <string>

#include "quiz/built_in_exercise.h"
#include "app/built_in_layout.h"
#include "pages/exercise_page.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s OUT.html SCRIPT MODULE ICON\n", argv[0]);
    return 2;
  }
  const std::string page = trovanel::ExercisePage(
      trovanel::BuiltInLayout(), quiz::BuiltInExercise(),
      {.script = argv[2], .module = argv[3], .icon = argv[4]});
  std::ofstream out(argv[1], std::ios::binary);
  out << page;
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
