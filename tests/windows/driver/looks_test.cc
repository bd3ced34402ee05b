// Pictures of the window in the driver's own process, for the reference
// images (tests/windows/reference_images.sh compares them): at start, with
// the start text scrolled to its end, and after the worked example; the same
// of each example exercise file. Taken once the window is idle, from what it
// has drawn. Each goes to $TROVANEL_CAPTURE_DIR/NAME.ppm, an example's to
// $TROVANEL_CAPTURE_DIR/EXAMPLE/NAME.ppm; without that directory they are
// skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
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
  static std::string Folder(const std::string& example) {
    std::string folder = std::getenv("TROVANEL_CAPTURE_DIR");
    if (!example.empty()) {
      folder += "/" + example;
      CreateDirectoryA(folder.c_str(), nullptr);
    }
    return folder;
  }
  static void Keep(Session& session, const std::string& folder,
                   const char* name) {
    std::string path = folder + "/" + name + ".ppm";
    EXPECT_TRUE(WritePpm(Capture(session.window().hwnd()), path)) << path;
  }
  static void KeepStartAndEnd(Session& session, const std::string& folder) {
    Keep(session, folder, "start");
    // The focus is in the message box: Down moves a line at a time, and at
    // the end changes nothing.
    Image shown = Capture(session.window().hwnd());
    for (int line = 0; line < 100; ++line) {
      session.Key("Down");
      Image next = Capture(session.window().hwnd());
      if (next == shown) break;
      shown = next;
    }
    Keep(session, folder, "start_end");
  }
};

TEST_F(Looks, AtStartAndScrolledToTheEnd) {
  Session session;
  KeepStartAndEnd(session, Folder(""));
}

TEST_F(Looks, AfterTheWorkedExample) {
  const auto& all = AllScenarios();
  auto worked = std::find_if(all.begin(), all.end(), [](const auto& scenario) {
    return scenario.name == "worked_example";
  });
  ASSERT_NE(worked, all.end());
  Session session;
  Play(session, *worked);
  Keep(session, Folder(""), "worked_example");
}

// Each example, and the test exercise at every limit, opened from its file
// (on drive Z:, the Linux root). Its
// worked example takes the steps the Linux driver takes: option 2 (or the
// last), the rows at a tenth and at three tenths of the list's height, then
// the next option.
TEST_F(Looks, TheExampleFiles) {
  for (const std::string file :
       {"exercises/states-of-water", "exercises/cell-organelles",
        "tests/exercises/at-the-limits"}) {
    const std::string name = file.substr(file.rfind('/') + 1);
    SCOPED_TRACE(name);
    std::ifstream in(
        std::string("Z:") + TROVANEL_SOURCE_DIR + "/" + file + ".trovanel",
        std::ios::binary);
    const trovanel::OpenedExercise opened(
        std::string(std::istreambuf_iterator<char>(in), {}), name);
    ASSERT_TRUE(opened.ok()) << opened.error();
    const std::string folder = Folder(name);
    {
      Session session(opened.layout(), opened.exercise());
      KeepStartAndEnd(session, folder);
    }
    const auto options = static_cast<int>(opened.exercise().options.size());
    const auto rows = static_cast<int>(opened.exercise().descriptions.size());
    const int first_option = std::min(2, options - 1);
    Session session(opened.layout(), opened.exercise());
    session.ClickOption(first_option);
    session.ClickRow(0);
    session.ClickRow(rows * 3 / 10);
    session.ClickOption((first_option + 1) % options);
    Keep(session, folder, "worked_example");
  }
}

}  // namespace
}  // namespace trovanel_test
