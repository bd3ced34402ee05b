// Drives the real program from outside, as a pupil would, for the reference
// images, the memory check and the screenshot: waits for its window, scrolls
// the start text to its end, plays the worked example ("Раван", row 0,
// row 1, "Тръс ") and closes the window.
//
//   trovanel_drive [--capture-dir DIR]
//
// With DIR, writes start.ppm, start_end.ppm (the start text scrolled to its
// end) and worked_example.ppm there.

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/image.h"
#include "tests/support/polling.h"
#include "tests/support/x_client.h"
#include "window/trovanel_layout.h"

int main(int argc, char** argv) {
  using namespace std::chrono_literals;
  using trovanel_test::Image;
  const char* directory =
      argc == 3 && std::strcmp(argv[1], "--capture-dir") == 0 ? argv[2]
                                                              : nullptr;
  if (argc != 1 && directory == nullptr) {
    std::fprintf(stderr, "usage: %s [--capture-dir DIR]\n", argv[0]);
    return 2;
  }
  trovanel_test::XClient x;
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
  // The list shows its five rows in its whole height.
  click(trovanel::kOptionArray, 2, 0.5);
  click(trovanel::kListArray, trovanel::kDescriptionList, 0.1);
  click(trovanel::kListArray, trovanel::kDescriptionList, 0.3);
  click(trovanel::kOptionArray, 3, 0.5);
  keep("worked_example");
  x.RequestClose(*window);
  if (!written) {
    std::fprintf(stderr, "trovanel_drive: cannot write to %s\n", directory);
    return 1;
  }
  return 0;
}
