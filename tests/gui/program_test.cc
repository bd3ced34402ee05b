// The shipped program, tested from outside as a pupil's desktop meets it: it
// starts, draws at the places and in the colours of the layout table, tells
// the window manager what it is, answers real clicks, closes with status 0,
// and fails cleanly without a display or after a run-time error.

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include <FL/Fl_Pixmap.H>
#include <FL/Fl_RGB_Image.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>

#include "forms/core/runtime_error.h"
#include "forms/core/units.h"
#include "quiz/quiz_content.h"
#include "resources/trovanel.xpm"
#include "tests/gui/child_process.h"
#include "tests/gui/table_geometry.h"
#include "tests/gui/x_client.h"
#include "window/trovanel_layout.h"
// clang-format on

namespace trovanel_test {
namespace {

using namespace std::chrono_literals;

bool SameRegion(const Capture& a, const Capture& b, const Rect& r) {
  for (int y = r.top; y < r.top + r.height; ++y) {
    for (int x = r.left; x < r.left + r.width; ++x) {
      if (!(a.At(x, y) == b.At(x, y))) return false;
    }
  }
  return true;
}

// The icon as FLTK itself reads the picture (asking the X server about its
// colours), as the window manager gets it: ARGB, transparent pixels as 0.
std::vector<long> IconAsFltkReadsIt() {
  Fl_Pixmap picture(trovanel_xpm);
  Fl_RGB_Image image(&picture, FL_BLACK);
  if (image.d() != 4) return {};
  std::vector<long> argb;
  const uchar* p = image.array;
  for (int i = 0; i < image.w() * image.h(); ++i, p += image.d()) {
    argb.push_back(p[3] == 0 ? 0
                             : long{p[3]} << 24 | long{p[0]} << 16 |
                                   long{p[1]} << 8 | long{p[2]});
  }
  return argb;
}

class TrovanelProgram : public ::testing::Test {
 protected:
  void Start(const char* program = TROVANEL_PROGRAM) {
    process_ = std::make_unique<ChildProcess>(program);
    auto window = x_.WaitForWindow("Trovanel", 10s);
    ASSERT_TRUE(window) << "no window; stderr: " << process_->ReadStderr();
    window_ = *window;
    x_.Origin(window_, &origin_x_, &origin_y_);
    // Drawn once the window colour shows where no control lies.
    const Pixel back = ToPixel(trovanel::TrovanelLayout().back_color);
    for (int i = 0; i < 500 && !(Snap().At(0, 0) == back); ++i) {
      std::this_thread::sleep_for(10ms);
    }
  }

  trovanel_test::Capture Snap() { return x_.CaptureWindow(window_); }

  void Click(const forms::ControlDescription& control, double fx = 0.5,
             double fy = 0.5) {
    Rect r = TableRect(control);
    x_.ClickAt(origin_x_ + r.left + static_cast<int>(r.width * fx),
               origin_y_ + r.top + static_cast<int>(r.height * fy));
  }

  // Waits until the region differs from `before`; returns the new capture.
  trovanel_test::Capture WaitForChange(const trovanel_test::Capture& before,
                                       const Rect& region) {
    trovanel_test::Capture now = Snap();
    for (int i = 0; i < 200 && SameRegion(before, now, region); ++i) {
      std::this_thread::sleep_for(10ms);
      now = Snap();
    }
    return now;
  }

  XClient x_;
  std::unique_ptr<ChildProcess> process_;
  Window window_ = 0;
  int origin_x_ = 0;
  int origin_y_ = 0;
};

TEST(TrovanelWithoutDisplay, EndsWithStatusOneAndOneLine) {
  for (const char* display : {"DISPLAY", "DISPLAY=:4711"}) {
    ChildProcess process(TROVANEL_PROGRAM, {display});
    EXPECT_EQ(process.Wait(10s), forms::kExitCannotStart) << display;
    const std::string& message = process.ReadStderr();
    EXPECT_FALSE(message.empty()) << display;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
  }
}

TEST_F(TrovanelProgram, TellsTheWindowManagerItsTitleSizeAndButtons) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const auto& layout = trovanel::TrovanelLayout();
  const int width = forms::TwipsToPixels(layout.client_width, kTestDpi);
  const int height = forms::TwipsToPixels(layout.client_height, kTestDpi);
  EXPECT_EQ(x_.TextProperty(window_, "_NET_WM_NAME"), layout.title);

  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(x_.display(), window_, &hints, &supplied));
  ASSERT_TRUE(hints.flags & PMinSize && hints.flags & PMaxSize);
  EXPECT_EQ(hints.min_width, width);
  EXPECT_EQ(hints.max_width, width);
  EXPECT_EQ(hints.min_height, height);
  EXPECT_EQ(hints.max_height, height);

  // flags, functions, decorations: move and close only; no minimise,
  // maximise or resize, neither as a function nor as a button.
  std::vector<long> motif = x_.LongProperty(window_, "_MOTIF_WM_HINTS");
  ASSERT_GE(motif.size(), 3u);
  EXPECT_EQ(motif[0] & 3, 3);
  EXPECT_EQ(motif[1], (1L << 2) | (1L << 5));
  EXPECT_EQ(motif[2] & ((1L << 2) | (1L << 5) | (1L << 6)), 0);
  EXPECT_NE(motif[2] & (1L << 3), 0) << "title bar";

  std::vector<long> icon = x_.LongProperty(window_, "_NET_WM_ICON");
  ASSERT_GE(icon.size(), 2u);
  EXPECT_EQ(icon[0], 32);
  EXPECT_EQ(icon[1], 32);
  EXPECT_EQ(icon.size(), 2u + 32 * 32);
  std::vector<long> pixels(icon.begin() + 2, icon.end());
  for (long& pixel : pixels) {  // 32 bits of ARGB, whatever the sign
    pixel = (pixel >> 24 & 0xff) == 0 ? 0 : pixel & 0xffffffff;
  }
  EXPECT_EQ(pixels, IconAsFltkReadsIt());
  ASSERT_NE(process_->Wait(0ms), std::optional<int>(0));
}

// Desktops scale by the Xft.dpi resource; the window follows it.
TEST_F(TrovanelProgram, LaysOutAtTheDesktopsLogicalDpi) {
  Display* display = x_.display();
  Window root = DefaultRootWindow(display);
  const std::string resources = "Xft.dpi:\t144\n";
  XChangeProperty(display, root, XA_RESOURCE_MANAGER, XA_STRING, 8,
                  PropModeReplace,
                  reinterpret_cast<const unsigned char*>(resources.data()),
                  static_cast<int>(resources.size()));
  XSync(display, False);
  Start();
  XDeleteProperty(display, root, XA_RESOURCE_MANAGER);
  XSync(display, False);
  const auto& layout = trovanel::TrovanelLayout();
  trovanel_test::Capture capture = Snap();
  EXPECT_EQ(capture.width, forms::TwipsToPixels(layout.client_width, 144));
  EXPECT_EQ(capture.height, forms::TwipsToPixels(layout.client_height, 144));
  EXPECT_GT(capture.width, forms::TwipsToPixels(layout.client_width, kTestDpi));
}

TEST_F(TrovanelProgram, DrawsEachControlsColourAtItsPlace) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const auto& layout = trovanel::TrovanelLayout();
  const Pixel window_colour = ToPixel(layout.back_color);
  const Pixel white{255, 255, 255};
  trovanel_test::Capture capture = Snap();
  ASSERT_EQ(capture.width, forms::TwipsToPixels(layout.client_width, kTestDpi));
  ASSERT_EQ(capture.height,
            forms::TwipsToPixels(layout.client_height, kTestDpi));

  std::vector<Rect> visible;
  for (const auto& control : layout.controls) {
    if (control.visible) visible.push_back(TableRect(control));
  }
  for (const auto& control : layout.controls) {
    Rect r = TableRect(control);
    std::string name =
        std::string(control.array) + "(" + std::to_string(control.member) + ")";
    if (control.visible) {
      // Off the border and the text: just inside the bottom-right corner,
      // or in a text box's left margin (its text runs to the bottom edge).
      Pixel inside =
          control.kind == forms::ControlKind::kTextBox
              ? capture.At(r.left + 3, r.top + r.height / 2)
              : capture.At(r.left + r.width - 4, r.top + r.height - 4);
      EXPECT_EQ(inside,
                control.back_color ? ToPixel(*control.back_color) : white)
          << name;
      continue;
    }
    // Where a hidden control lies and no visible one covers: the window.
    int checked = 0;
    for (int y = r.top; y < std::min(r.top + r.height, capture.height);
         y += 3) {
      for (int x = r.left; x < std::min(r.left + r.width, capture.width);
           x += 3) {
        bool covered =
            std::any_of(visible.begin(), visible.end(), [&](const Rect& v) {
              return v.Contains(x, y) || v.Contains(x + 2, y + 2) ||
                     v.Contains(x - 2, y - 2);
            });
        if (covered) continue;
        ++checked;
        EXPECT_EQ(capture.At(x, y), window_colour)
            << name << " " << x << "," << y;
      }
    }
    EXPECT_GT(checked, 0) << name;
  }
}

TEST_F(TrovanelProgram, AnswersRealClicksInTheMessageBox) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const Rect message =
      TableRect(TableControl(trovanel::kTextArray, trovanel::kMessageBox));
  const auto& ravan = TableControl(trovanel::kOptionArray, 2);
  trovanel_test::Capture start = Snap();
  Click(ravan);
  trovanel_test::Capture chosen = WaitForChange(start, TableRect(ravan));
  EXPECT_FALSE(SameRegion(start, chosen, TableRect(ravan)));
  EXPECT_FALSE(SameRegion(start, chosen, message));
  Click(TableControl(trovanel::kListArray, trovanel::kDescriptionList), 0.3,
        0.08);
  trovanel_test::Capture checked = WaitForChange(chosen, message);
  EXPECT_FALSE(SameRegion(chosen, checked, message));
}

TEST_F(TrovanelProgram, ClosesWithStatusZeroWithinASecondButNotOnEscape) {
  ASSERT_NO_FATAL_FAILURE(Start());
  x_.PressKey(XK_Escape);
  EXPECT_EQ(process_->Wait(300ms), std::nullopt);
  x_.RequestClose(window_);
  EXPECT_EQ(process_->Wait(1s), forms::kExitClosed);
  EXPECT_EQ(process_->ReadStderr(), "");
}

TEST_F(TrovanelProgram, ReportsARunTimeErrorAndEndsWithStatusTwo) {
  ASSERT_NO_FATAL_FAILURE(Start(TROVANEL_FAULT_PROGRAM));
  Click(TableControl(trovanel::kOptionArray, 3));  // its key row is gone
  Click(TableControl(trovanel::kListArray, trovanel::kDescriptionList), 0.3,
        0.08);
  auto report = x_.WaitForWindow(forms::kErrorReportTitle, 10s);
  ASSERT_TRUE(report) << process_->ReadStderr();
  EXPECT_EQ(process_->Wait(200ms), std::nullopt) << "waits for the pupil";
  const std::string line = forms::FormatErrorReport(
      forms::RuntimeError(forms::ErrorCode::kRowOutOfRange));
  EXPECT_EQ(process_->ReadStderr(), line + "\n");
  x_.PressKey(XK_Return);
  EXPECT_EQ(process_->Wait(5s), forms::kExitRuntimeError);
}

}  // namespace
}  // namespace trovanel_test
