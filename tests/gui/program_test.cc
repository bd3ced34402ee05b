// The shipped program, tested from outside as a pupil's desktop meets it: it
// starts, tells the window manager what it is, scales with the desktop's
// dpi, closes with status 0, and fails cleanly without a display or after a
// run-time error. (reference_images.sh holds its picture.)

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include <FL/Fl_Pixmap.H>
#include <FL/Fl_RGB_Image.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <fstream>
#include <memory>
#include <string>

#include "forms/core/geometry.h"
#include "forms/core/runtime_error.h"
#include "resources/trovanel.xpm"
#include "tests/support/child_process.h"
#include "tests/support/color_probes.h"
#include "tests/support/x_client.h"
#include "app/built_in_layout.h"
#include "app/opened_exercise.h"
#include "app/trovanel_layout.h"
// clang-format on

namespace trovanel_test {
namespace {

using namespace std::chrono_literals;

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
    x_.SettledCapture(window_, 5s);
  }

  void Click(const char* array, int16_t member, double fy = 0.5) {
    x_.ClickAt(x_.ControlPoint(window_, array, member, 0.5, fy));
  }

  XClient x_;
  std::unique_ptr<ChildProcess> process_;
  Window window_ = 0;
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
  const auto& layout = trovanel::BuiltInLayout();
  const forms::Rect client = forms::ClientRect(layout, forms::kDefaultDpi);
  EXPECT_EQ(x_.TextProperty(window_, "_NET_WM_NAME"), layout.title);
  // The legacy title says its encoding: never UTF-8 bytes typed as Latin-1.
  for (const char* name : {"WM_NAME", "WM_ICON_NAME"}) {
    EXPECT_EQ(x_.TextProperty(window_, name), layout.title) << name;
  }

  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(x_.display(), window_, &hints, &supplied));
  ASSERT_TRUE(hints.flags & PMinSize && hints.flags & PMaxSize);
  EXPECT_EQ(hints.min_width, client.width);
  EXPECT_EQ(hints.max_width, client.width);
  EXPECT_EQ(hints.min_height, client.height);
  EXPECT_EQ(hints.max_height, client.height);

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
  EXPECT_EQ(process_->Wait(0ms), std::nullopt) << "the program has ended";
}

// Desktops scale by the Xft.dpi resource; the window follows it, with every
// colour where the layout puts it. (At 96 dpi the reference images hold the
// whole picture.)
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
  const forms::Form form(trovanel::BuiltInLayout());
  const Image capture = x_.SettledCapture(window_, 5s);
  const forms::Rect client = forms::ClientRect(form.description(), 144);
  EXPECT_EQ(capture.width, client.width);
  EXPECT_EQ(capture.height, client.height);
  EXPECT_EQ(ColorMismatches(capture, BackColorProbes(form, 144)), "");
}

TEST_F(TrovanelProgram, ClosesWithStatusZeroWithinASecondButNotOnEscape) {
  ASSERT_NO_FATAL_FAILURE(Start());
  x_.PressKey("Escape");
  EXPECT_EQ(process_->Wait(300ms), std::nullopt);
  x_.RequestClose(window_);
  EXPECT_EQ(process_->Wait(1s), forms::kExitClosed);
  EXPECT_EQ(process_->ReadStderr(), "");
}

TEST_F(TrovanelProgram, ReportsARunTimeErrorAndEndsWithStatusTwo) {
  ASSERT_NO_FATAL_FAILURE(Start(TROVANEL_FAULT_PROGRAM));
  Click(trovanel::kOptionArray, 3);  // its key row is gone
  Click(trovanel::kListArray, trovanel::kDescriptionList, 0.1);  // row 0
  auto report = x_.WaitForWindow(forms::kErrorReportTitle, 10s);
  ASSERT_TRUE(report) << process_->ReadStderr();
  EXPECT_EQ(process_->Wait(200ms), std::nullopt) << "waits for the pupil";
  const std::string line = forms::FormatErrorReport(
      forms::RuntimeError(forms::ErrorCode::kRowOutOfRange));
  EXPECT_EQ(process_->ReadStderr(), line + "\n");
  x_.PressKey("Return");
  EXPECT_EQ(process_->Wait(5s), forms::kExitRuntimeError);
}

// A bad exercise file: the line on stderr and in a dialog, then status 1.
TEST(TrovanelWithABadFile, SaysWhyInADialogAndEndsWithStatusOne) {
  const std::string bad = ::testing::TempDir() + "/bad.trovanel";
  std::ofstream(bad) << "title = \"Тема\"\nwindow-title = 3\n";
  ChildProcess process(TROVANEL_PROGRAM, {}, {bad});
  XClient x;
  auto dialog = x.WaitForWindow(trovanel::kBadExerciseTitle, 10s);
  ASSERT_TRUE(dialog) << process.ReadStderr();
  EXPECT_EQ(process.Wait(200ms), std::nullopt) << "waits for the user";
  EXPECT_EQ(process.ReadStderr(),
            bad + ":2:16: „window-title“ трябва да е текст в кавички\n");
  x.PressKey("Return");
  EXPECT_EQ(process.Wait(5s), forms::kExitCannotStart);

  ChildProcess missing(TROVANEL_PROGRAM, {"DISPLAY"}, {bad + ".missing"});
  EXPECT_EQ(missing.Wait(10s), forms::kExitCannotStart);
  EXPECT_EQ(missing.ReadStderr(),
            bad + ".missing: файлът не може да се прочете\n");
}

}  // namespace
}  // namespace trovanel_test
