// The Windows program's form and backend under Wine, driven by real input
// and read back from the model and the widgets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forms/core/units.h"
#include "forms/win32/wide_text.h"
#include "quiz/quiz_content.h"
#include "tests/support/color_probes.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {
namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kMessageBox;
using trovanel::kOptionArray;
using trovanel::kTextArray;

// The answer as the content tables give it: equal keys belong together.
std::string Verdict(int gait, int description) {
  return std::string(quiz::kGaitKeys[gait] ==
                             quiz::kDescriptionKeys[description]
                         ? quiz::kCorrectMessage
                         : quiz::kWrongMessage);
}

// The message the model holds and the one the text box shows.
void ExpectMessage(Session& session, std::string_view expected) {
  EXPECT_EQ(session.Model<forms::TextBox>(kTextArray, kMessageBox).text(),
            expected);
  EXPECT_EQ(session.ShownText(session.Widget(kTextArray, kMessageBox)),
            expected);
}

// The model's choice, and the widgets showing exactly it.
void ExpectChoices(Session& session, int gait, int row) {
  for (int16_t option = 0; option < quiz::kGaitCount; ++option) {
    bool chosen = option == gait;
    EXPECT_EQ(session.Model<forms::OptionButton>(kOptionArray, option).chosen(),
              chosen)
        << "option " << option;
    LRESULT check =
        SendMessageW(session.Widget(kOptionArray, option), BM_GETCHECK, 0, 0);
    EXPECT_EQ(check == BST_CHECKED, chosen) << "option " << option;
  }
  EXPECT_EQ(
      session.Model<forms::ListBox>(kListArray, kDescriptionList).current_row(),
      row);
  EXPECT_EQ(SendMessageW(session.Widget(kListArray, kDescriptionList),
                         LB_GETCURSEL, 0, 0),
            row);
}

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

TEST(WindowsForm, ShowsEachBackColourAtItsPlace) {
  Session session;
  HWND hwnd = session.window().hwnd();
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  session.input().WaitIdle();
  HDC dc = GetDC(hwnd);
  for (const ColorProbe& probe :
       BackColorProbes(session.app().form(), session.window().dpi())) {
    EXPECT_EQ(GetPixel(dc, probe.x, probe.y),
              forms::win32::ToColorRef(probe.stored_color))
        << probe.what << " at " << probe.x << "," << probe.y;
  }
  ReleaseDC(hwnd, dc);
}

// An auto radio button that clicks itself (as one does on Windows when it
// merely gets the focus) chooses nothing: only the pupil does.
TEST(WindowsForm, AnOptionClickingItselfChoosesNothing) {
  Session session;
  SendMessageW(session.Widget(kOptionArray, 4), BM_CLICK, 0, 0);
  session.input().WaitIdle();
  ExpectChoices(session, -1, -1);
  ExpectMessage(session, quiz::kStartText);
}

TEST(WindowsForm, EveryPairByMouseInBothOrders) {
  Session session;
  for (int16_t gait = 0; gait < quiz::kGaitCount; ++gait) {
    for (int16_t row = 0; row < quiz::kDescriptionCount; ++row) {
      SCOPED_TRACE("gait " + std::to_string(gait) + ", row " +
                   std::to_string(row));
      if ((gait + row) % 2 == 0) {
        session.ClickOption(gait);
        session.ClickRow(row);
      } else {
        session.ClickRow(row);
        session.ClickOption(gait);
      }
      ExpectMessage(session, Verdict(gait, row));
      ExpectChoices(session, gait, row);
    }
  }
}

TEST(WindowsForm, KeyboardWalksTheTabOrderListAndOptionGroup) {
  Session session;
  DesktopInput& input = session.input();
  HWND list = session.Widget(kListArray, kDescriptionList);
  HWND message_box = session.Widget(kTextArray, kMessageBox);
  EXPECT_EQ(GetFocus(), message_box);
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(message_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_TRUE(start == 0 && end == 0) << "start text not highlighted";

  input.Key(VK_ESCAPE);
  ASSERT_TRUE(IsWindow(session.window().hwnd()) &&
              !session.input().exit_status())
      << "Escape leaves the window open";

  input.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), session.Widget(kOptionArray, 4));
  ExpectChoices(session, -1, -1);
  ExpectMessage(session, quiz::kStartText);

  input.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), list);
  input.Key(VK_DOWN);
  ExpectChoices(session, -1, 0);
  ExpectMessage(session, quiz::kMissingChoiceMessage);
  input.Key(VK_DOWN);
  input.Key(VK_DOWN);
  input.Key(VK_UP);
  ExpectChoices(session, -1, 1);
  input.Key(VK_UP);
  input.Key(VK_UP);
  ExpectChoices(session, -1, 0);

  input.Key(VK_TAB, /*shift=*/true);
  EXPECT_EQ(GetFocus(), session.Widget(kOptionArray, 2));
  input.Key(VK_TAB, /*shift=*/true);
  EXPECT_EQ(GetFocus(), message_box);
  SendMessageW(message_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_TRUE(start == 0 && end == 0) << "start text not highlighted";
  input.Key(VK_TAB);
  const int steps[][2] = {
      {VK_DOWN, 0}, {VK_DOWN, 1}, {VK_UP, 0}, {VK_UP, 4}, {VK_DOWN, 0}};
  for (const auto& [key, gait] : steps) {
    SCOPED_TRACE("after an arrow to option " + std::to_string(gait));
    input.Key(static_cast<WORD>(key));
    ExpectChoices(session, gait, 0);
    ExpectMessage(session, Verdict(gait, 0));
    EXPECT_EQ(GetFocus(),
              session.Widget(kOptionArray, static_cast<int16_t>(gait)));
  }
  input.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), list) << "the option group is one tab stop";
}

}  // namespace
}  // namespace trovanel_test
