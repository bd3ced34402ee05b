// The shipped Trovanel.exe under Wine, seen from outside through the X
// server: it opens its window with its title, keeps it open on Escape, and
// ends with status 0 when the window is closed.
#include <gtest/gtest.h>

#include <chrono>

#include "forms/core/runtime_error.h"
#include "tests/support/child_process.h"
#include "tests/support/x_client.h"
#include "window/trovanel_layout.h"

namespace {

using std::chrono::seconds;

// Wine names the window's class after the executable.
constexpr const char* kWineClass = "trovanel.exe";

TEST(WindowsProgramTest, OpensKeepsOpenOnEscapeAndClosesWithStatusZero) {
  trovanel_test::ChildProcess program(TROVANEL_WINE_PROGRAM);
  trovanel_test::XClient x;
  auto window = x.WaitForWindow(kWineClass, seconds(60));
  ASSERT_TRUE(window) << program.ReadStderr();
  EXPECT_EQ(x.TextProperty(*window, "_NET_WM_NAME"),
            trovanel::TrovanelLayout().title);

  x.PressKey("Escape");
  EXPECT_FALSE(program.Wait(seconds(2))) << "Escape closed the window";

  x.RequestClose(*window);
  EXPECT_EQ(program.Wait(seconds(30)), forms::kExitClosed)
      << program.ReadStderr();
}

}  // namespace
