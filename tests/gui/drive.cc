// Drives the real program from outside, as a pupil would, for the reference
// images, the memory check and the screenshot: waits for its window, scrolls
// the start text to its end, plays the worked example ("Раван", row 0,
// row 1, "Тръс ") and closes the window.
//
//   trovanel_drive [--capture-dir DIR] [--exercise FILE]
//
// With DIR, writes start.ppm, start_end.ppm (the start text scrolled to its
// end) and worked_example.ppm there. With FILE, the window is that
// exercise's: the same steps, on its options 2 and the next (going round).

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tests/support/image.h"
#include "tests/support/polling.h"
#include "tests/support/x_client.h"
#include "app/opened_exercise.h"
#include "app/trovanel_layout.h"

int main(int argc, char** argv) {
  using namespace std::chrono_literals;
  using trovanel_test::Image;
  const char* directory = nullptr;
  const char* exercise_file = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--capture-dir") == 0) directory = argv[i + 1];
    if (std::strcmp(argv[i], "--exercise") == 0) exercise_file = argv[i + 1];
  }
  if (argc % 2 == 0 || (argc >= 3 && !directory && !exercise_file)) {
    std::fprintf(stderr, "usage: %s [--capture-dir DIR] [--exercise FILE]\n",
                 argv[0]);
    return 2;
  }
  trovanel_test::XClient x;
  int16_t options = 5;
  std::unique_ptr<trovanel::OpenedExercise> opened;
  if (exercise_file != nullptr) {
    std::ifstream in(exercise_file, std::ios::binary);
    opened = std::make_unique<trovanel::OpenedExercise>(
        std::string(std::istreambuf_iterator<char>(in), {}), exercise_file);
    if (!opened->ok()) {
      std::fprintf(stderr, "%s\n", opened->error().c_str());
      return 1;
    }
    x.UseLayout(opened->layout());
    options = static_cast<int16_t>(opened->exercise().options.size());
  }
  const auto first_option = static_cast<int16_t>(std::min<int>(2, options - 1));
  const auto next_option = static_cast<int16_t>((first_option + 1) % options);
  // Generous: under valgrind the program starts some fifty times slower.
  const auto window = x.WaitForWindow("Trovanel", 120s);
  if (!window) {
    std::fprintf(stderr, "trovanel_drive: no Trovanel window appeared\n");
    return 1;
  }
  Image shown = x.SettledCapture(*window, 60s);
  // The window once it has answered the input just sent (unchanged after
  // `patience`), drawn completely.
  auto answer = [&](std::chrono::milliseconds patience) {
    trovanel_test::PollUntil(
        [&] { return !(x.CaptureWindow(*window) == shown); }, patience);
    return x.SettledCapture(*window, 60s);
  };
  bool written = true;
  auto keep = [&](const char* name) {
    if (directory == nullptr) return;
    const std::string path = std::string(directory) + "/" + name + ".ppm";
    written = trovanel_test::WritePpm(shown, path) && written;
  };
  auto click = [&](const char* array, int16_t member, double fy) {
    x.ClickAt(x.ControlPoint(*window, array, member, 0.3, fy));
    shown = answer(60s);
  };

  keep("start");
  // The focus is in the message box: Down moves its caret a line at a time,
  // the text scrolling with it, and at the end changes nothing.
  for (int line = 0; line < 100; ++line) {
    x.PressKey("Down");
    Image next = answer(2s);
    if (next == shown) break;
    shown = next;
  }
  keep("start_end");
  // The list shows all its rows in its whole height.
  click(trovanel::kOptionArray, first_option, 0.5);
  click(trovanel::kListArray, trovanel::kDescriptionList, 0.1);
  click(trovanel::kListArray, trovanel::kDescriptionList, 0.3);
  click(trovanel::kOptionArray, next_option, 0.5);
  keep("worked_example");
  x.RequestClose(*window);
  if (!written) {
    std::fprintf(stderr, "trovanel_drive: cannot write to %s\n", directory);
    return 1;
  }
  return 0;
}
