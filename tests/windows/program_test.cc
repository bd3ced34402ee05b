// The shipped Trovanel.exe under Wine, seen from outside through the X
// server: it opens, shows the layout's colours, keeps open on Escape, and
// ends with status 0 when its window is closed.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "forms/core/runtime_error.h"
#include "forms/core/units.h"
#include "tests/support/child_process.h"
#include "tests/support/x_client.h"
#include "tests/support/color_probes.h"
#include "window/trovanel_layout.h"

namespace {

using std::chrono::seconds;
using trovanel_test::ChildProcess;
using trovanel_test::XClient;

// Wine names the window's class after the executable.
constexpr const char* kWineClass = "trovanel.exe";

TEST(WindowsProgramTest, OpensShowsTheLayoutAndClosesWithStatusZero) {
  ChildProcess program(TROVANEL_WINE_PROGRAM);
  XClient x;
  auto window = x.WaitForWindow(kWineClass, seconds(60));
  ASSERT_TRUE(window) << program.ReadStderr();

  forms::Form form(trovanel::TrovanelLayout());
  const forms::FormDescription& layout = form.description();
  EXPECT_EQ(x.TextProperty(*window, "_NET_WM_NAME"), layout.title);

  auto probes = trovanel_test::BackColorProbes(form, forms::kDefaultDpi);
  ASSERT_FALSE(probes.empty());
  // The window is mapped before it is painted: look until it shows the
  // colours, then report what it shows.
  trovanel_test::Image capture;
  auto shows = [](const trovanel_test::Image& capture, const auto& probe) {
    forms::Rgb wanted = forms::StoredColorToRgb(probe.stored_color);
    return probe.x < capture.width && probe.y < capture.height &&
           capture.At(probe.x, probe.y) ==
               wanted;
  };
  for (int round = 0; round < 100; ++round) {
    capture = x.CaptureWindow(*window);
    if (std::all_of(probes.begin(), probes.end(),
                    [&](const auto& probe) { return shows(capture, probe); })) {
      break;
    }
    program.Wait(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(capture.width,
            forms::TwipsToPixels(layout.client_width, forms::kDefaultDpi));
  EXPECT_EQ(capture.height,
            forms::TwipsToPixels(layout.client_height, forms::kDefaultDpi));
  for (const auto& probe : probes) {
    EXPECT_TRUE(shows(capture, probe))
        << probe.what << " at " << probe.x << "," << probe.y;
  }

  x.PressKey("Escape");
  EXPECT_FALSE(program.Wait(seconds(2))) << "Escape closed the window";

  x.RequestClose(*window);
  EXPECT_EQ(program.Wait(seconds(30)), forms::kExitClosed)
      << program.ReadStderr();
}

}  // namespace
