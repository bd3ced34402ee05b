// Pictures of the window in the driver's own process, for the reference
// images (tests/windows/reference_images.sh compares them): at start, with
// the start text scrolled to its end, and after the worked example. Taken
// once the window is idle, from what it has drawn. Each goes to
// $TROVANEL_CAPTURE_DIR/NAME.ppm; without that directory they are skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/support/image.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {
namespace {

Image Capture(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC window_dc = GetDC(window);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory_dc, bitmap);
  BitBlt(memory_dc, 0, 0, client.right, client.bottom, window_dc, 0, 0,
         SRCCOPY);
  Image image{client.right, client.bottom, {}};
  const auto* bgrx = static_cast<const uint8_t*>(bits);
  for (int i = 0; i < image.width * image.height; ++i, bgrx += 4) {
    image.pixels.push_back({bgrx[2], bgrx[1], bgrx[0]});
  }
  SelectObject(memory_dc, previous);
  DeleteObject(bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(window, window_dc);
  return image;
}

class Looks : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("TROVANEL_CAPTURE_DIR") == nullptr) {
      GTEST_SKIP() << "TROVANEL_CAPTURE_DIR is not set";
    }
  }
  void Keep(Session& session, const char* name) {
    std::string path =
        std::string(std::getenv("TROVANEL_CAPTURE_DIR")) + "/" + name + ".ppm";
    EXPECT_TRUE(WritePpm(Capture(session.window().hwnd()), path)) << path;
  }
};

TEST_F(Looks, AtStartAndScrolledToTheEnd) {
  Session session;
  Keep(session, "start");
  // The focus is in the message box: Down moves a line at a time, and at the
  // end changes nothing.
  Image shown = Capture(session.window().hwnd());
  for (int line = 0; line < 100; ++line) {
    session.Key("Down");
    Image next = Capture(session.window().hwnd());
    if (next == shown) break;
    shown = next;
  }
  Keep(session, "start_end");
}

TEST_F(Looks, AfterTheWorkedExample) {
  const auto& all = AllScenarios();
  auto worked = std::find_if(all.begin(), all.end(), [](const auto& scenario) {
    return scenario.name == "worked_example";
  });
  ASSERT_NE(worked, all.end());
  Session session;
  Play(session, *worked);
  Keep(session, "worked_example");
}

}  // namespace
}  // namespace trovanel_test
