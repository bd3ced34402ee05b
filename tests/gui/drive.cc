// Drives the real program from outside for the memory check and the
// screenshot: waits for its window, answers one question as a pupil would
// (the option "Тръс ", then its description), and closes the window.
//
//   trovanel_drive                  the session, then close
//   trovanel_drive --capture OUT    ... and write the window to OUT as a PPM

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "tests/gui/table_geometry.h"
#include "tests/gui/x_client.h"
#include "window/trovanel_layout.h"

namespace {

using namespace std::chrono_literals;
using trovanel_test::Capture;
using trovanel_test::TableControl;
using trovanel_test::TableRect;

bool WritePpm(const Capture& capture, const char* path) {
  FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  std::fprintf(out, "P6\n%d %d\n255\n", capture.width, capture.height);
  for (const auto& pixel : capture.pixels) {
    const unsigned char rgb[3] = {pixel.red, pixel.green, pixel.blue};
    std::fwrite(rgb, 1, 3, out);
  }
  return std::fclose(out) == 0;
}

// Waits until a capture stops changing: the program has drawn its answer.
Capture Settled(trovanel_test::XClient& x, Window window) {
  Capture last = x.CaptureWindow(window);
  for (int i = 0; i < 100; ++i) {
    std::this_thread::sleep_for(50ms);
    Capture now = x.CaptureWindow(window);
    if (now.pixels == last.pixels) return now;
    last = now;
  }
  return last;
}

}  // namespace

int main(int argc, char** argv) {
  const char* capture_path =
      argc == 3 && std::strcmp(argv[1], "--capture") == 0 ? argv[2] : nullptr;
  if (argc != 1 && capture_path == nullptr) {
    std::fprintf(stderr, "usage: %s [--capture OUT.ppm]\n", argv[0]);
    return 2;
  }
  trovanel_test::XClient x;
  // Generous: under valgrind the program starts some fifty times slower.
  auto window = x.WaitForWindow("Trovanel", 120s);
  if (!window) {
    std::fprintf(stderr, "trovanel_drive: no Trovanel window appeared\n");
    return 1;
  }
  int origin_x, origin_y;
  x.Origin(*window, &origin_x, &origin_y);
  auto click = [&](const forms::ControlDescription& control, double fx,
                   double fy) {
    trovanel_test::Rect r = TableRect(control);
    Settled(x, *window);
    x.ClickAt(origin_x + r.left + static_cast<int>(r.width * fx),
              origin_y + r.top + static_cast<int>(r.height * fy));
  };
  const auto& list =
      TableControl(trovanel::kListArray, trovanel::kDescriptionList);
  click(TableControl(trovanel::kOptionArray, 2), 0.5, 0.5);
  click(list, 0.3, 0.08);  // row 0
  click(TableControl(trovanel::kOptionArray, 3), 0.5, 0.5);
  click(list, 0.3, 0.27);  // row 1
  Capture answered = Settled(x, *window);
  if (capture_path != nullptr && !WritePpm(answered, capture_path)) {
    std::fprintf(stderr, "trovanel_drive: cannot write %s\n", capture_path);
    return 1;
  }
  x.RequestClose(*window);
  return 0;
}
