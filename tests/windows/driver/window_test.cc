// The Windows program's window as it opens, and what only the pupil may do.
#include <gtest/gtest.h>

#include <cstdlib>

#include "forms/core/units.h"
#include "forms/win32/wide_text.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {
namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kOptionArray;

// The system's dpi the test prefix is set to.
int ExpectedDpi() {
  const char* dpi = std::getenv("TROVANEL_TEST_DPI");
  return dpi ? std::atoi(dpi) : forms::kDefaultDpi;
}

TEST(WindowsForm, OpensAtTheSystemDpiWithItsFrameAndFont) {
  Session session;
  HWND hwnd = session.window().hwnd();
  const forms::FormDescription& layout = session.app().form().description();
  int dpi = ExpectedDpi();
  ASSERT_EQ(session.window().dpi(), dpi);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, forms::TwipsToPixels(layout.client_width, dpi));
  EXPECT_EQ(client.bottom, forms::TwipsToPixels(layout.client_height, dpi));
  auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_TRUE((style & WS_SYSMENU) && !(style & WS_MINIMIZEBOX) &&
              !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME))
      << "fixed border, close box only";
  EXPECT_EQ(session.ShownText(hwnd), layout.title);
  EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), 0);

  auto font = reinterpret_cast<HFONT>(SendMessageW(
      session.Widget(kListArray, kDescriptionList), WM_GETFONT, 0, 0));
  LOGFONTW logical = {};
  ASSERT_TRUE(font && GetObjectW(font, sizeof(logical), &logical) != 0);
  EXPECT_EQ(forms::win32::WideToUtf8(logical.lfFaceName), layout.font.name);
  EXPECT_EQ(logical.lfCharSet, layout.font.charset);
  EXPECT_EQ(logical.lfHeight, -forms::PointsToPixels(layout.font.points, dpi));
}

// An auto radio button that clicks itself (as one does on Windows when it
// merely gets the focus) chooses nothing: only the pupil does.
TEST(WindowsForm, AnOptionClickingItselfChoosesNothing) {
  Session session;
  SendMessageW(session.Widget(kOptionArray, 4), BM_CLICK, 0, 0);
  session.input().WaitIdle();
  Play(session, {Step::Kind::kChosen, -1, "", "after BM_CLICK"});
  Play(session, {Step::Kind::kSayStart, -1, "", "after BM_CLICK"});
}

}  // namespace
}  // namespace trovanel_test
