// Drives the real program from outside, as a pupil would, for the reference
// images, the memory check and the screenshot: waits for its window, scrolls
// the start text to its end, plays the worked example ("Раван", row 0,
// row 1, "Тръс ") and closes the window.
//
//   trovanel_drive [--capture-dir DIR]
//
// With DIR, writes DIR/start.ppm, DIR/start_end.ppm and
// DIR/worked_example.ppm: the window at start, scrolled to the end of the
// start text, and after the worked example.

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/image.h"
#include "tests/support/polling.h"
#include "tests/support/x_client.h"
#include "window/trovanel_layout.h"

namespace {

using namespace std::chrono_literals;
using trovanel_test::Image;

class Pupil {
 public:
  Pupil(trovanel_test::XClient& x, Window window) : x_(x), window_(window) {}

  Image Look() { return x_.SettledCapture(window_, 60s); }

  // Clicks at a point of a control (fractions of its size) and returns the
  // window once it has answered; unchanged after `patience`.
  Image Click(const char* array, int16_t member, double fx, double fy,
              const Image& before) {
    x_.ClickAt(x_.ControlPoint(window_, array, member, fx, fy));
    return Answer(before, 60s);
  }
  Image Key(const char* name, const Image& before,
            std::chrono::milliseconds patience) {
    x_.PressKey(name);
    return Answer(before, patience);
  }
  void Close() { x_.RequestClose(window_); }

 private:
  Image Answer(const Image& before, std::chrono::milliseconds patience) {
    trovanel_test::PollUntil(
        [&] { return !(x_.CaptureWindow(window_) == before); }, patience);
    return Look();
  }

  trovanel_test::XClient& x_;
  Window window_;
};

}  // namespace

int main(int argc, char** argv) {
  const char* directory =
      argc == 3 && std::strcmp(argv[1], "--capture-dir") == 0 ? argv[2]
                                                              : nullptr;
  if (argc != 1 && directory == nullptr) {
    std::fprintf(stderr, "usage: %s [--capture-dir DIR]\n", argv[0]);
    return 2;
  }
  bool written = true;
  auto keep = [&](const Image& image, const char* name) {
    if (directory == nullptr) return;
    const std::string path = std::string(directory) + "/" + name + ".ppm";
    written = trovanel_test::WritePpm(image, path) && written;
  };

  trovanel_test::XClient x;
  // Generous: under valgrind the program starts some fifty times slower.
  auto window = x.WaitForWindow("Trovanel", 120s);
  if (!window) {
    std::fprintf(stderr, "trovanel_drive: no Trovanel window appeared\n");
    return 1;
  }
  Pupil pupil(x, *window);
  Image shown = pupil.Look();
  keep(shown, "start");

  // The focus is in the message box: Down scrolls it a line at a time, and
  // at the end changes nothing.
  for (int line = 0; line < 100; ++line) {
    Image next = pupil.Key("Down", shown, 2s);
    if (next == shown) break;
    shown = next;
  }
  keep(shown, "start_end");

  // The list shows its five rows in its whole height.
  const char* list = trovanel::kListArray;
  const int16_t rows = trovanel::kDescriptionList;
  shown = pupil.Click(trovanel::kOptionArray, 2, 0.5, 0.5, shown);
  shown = pupil.Click(list, rows, 0.3, 0.1, shown);
  shown = pupil.Click(list, rows, 0.3, 0.3, shown);
  shown = pupil.Click(trovanel::kOptionArray, 3, 0.5, 0.5, shown);
  keep(shown, "worked_example");
  pupil.Close();
  if (!written) {
    std::fprintf(stderr, "trovanel_drive: cannot write to %s\n", directory);
    return 1;
  }
  return 0;
}
