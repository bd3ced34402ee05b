#include "tests/windows/driver/scenarios.h"

#include <string>

#include "forms/core/units.h"
#include "forms/win32/wide_text.h"
#include "quiz/quiz_content.h"
#include "tests/support/color_probes.h"

namespace trovanel_test {
namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kMessageBox;
using trovanel::kOptionArray;
using trovanel::kTextArray;

// The answer as the content tables give it: equal keys belong together.
std::string_view Verdict(int gait, int description) {
  return quiz::kGaitKeys[gait] == quiz::kDescriptionKeys[description]
             ? quiz::kCorrectMessage
             : quiz::kWrongMessage;
}

std::string Pair(int gait, int description) {
  return "gait " + std::to_string(gait) + ", row " +
         std::to_string(description);
}

// The message the model holds and the one the text box shows.
void ExpectMessage(Session& session, Checks& checks, std::string_view expected,
                   const std::string& when) {
  auto& box = session.Model<forms::TextBox>(kTextArray, kMessageBox);
  checks.Expect(box.text() == expected, "model message " + when);
  checks.Expect(
      session.ShownText(session.Widget(kTextArray, kMessageBox)) == expected,
      "shown message " + when);
}

// The model's choice, and the widgets showing exactly it.
void ExpectChoices(Session& session, Checks& checks, int gait, int row,
                   const std::string& when) {
  for (int16_t option = 0; option < quiz::kGaitCount; ++option) {
    bool chosen = option == gait;
    checks.Expect(
        session.Model<forms::OptionButton>(kOptionArray, option).chosen() ==
            chosen,
        "model option " + std::to_string(option) + " " + when);
    LRESULT check =
        SendMessageW(session.Widget(kOptionArray, option), BM_GETCHECK, 0, 0);
    checks.Expect((check == BST_CHECKED) == chosen,
                  "shown option " + std::to_string(option) + " " + when);
  }
  checks.ExpectEqual<int>(
      session.Model<forms::ListBox>(kListArray, kDescriptionList).current_row(),
      row, "model row " + when);
  checks.ExpectEqual<int>(
      static_cast<int>(SendMessageW(
          session.Widget(kListArray, kDescriptionList), LB_GETCURSEL, 0, 0)),
      row, "shown row " + when);
}

void ExpectFrameAndFont(Session& session, Checks& checks) {
  HWND hwnd = session.window().hwnd();
  const forms::FormDescription& layout = session.app().form().description();
  int dpi = session.window().dpi();
  RECT client;
  GetClientRect(hwnd, &client);
  checks.ExpectEqual<int>(client.right,
                          forms::TwipsToPixels(layout.client_width, dpi),
                          "client width");
  checks.ExpectEqual<int>(client.bottom,
                          forms::TwipsToPixels(layout.client_height, dpi),
                          "client height");
  auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  checks.Expect((style & WS_SYSMENU) && !(style & WS_MINIMIZEBOX) &&
                    !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME),
                "fixed border, close box only");
  checks.ExpectEqual(session.ShownText(hwnd), std::string(layout.title),
                     "window title");
  checks.Expect(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) != 0,
                "window icon");

  auto font = reinterpret_cast<HFONT>(SendMessageW(
      session.Widget(kListArray, kDescriptionList), WM_GETFONT, 0, 0));
  LOGFONTW logical = {};
  checks.Expect(font && GetObjectW(font, sizeof(logical), &logical) != 0,
                "the list has a font");
  checks.ExpectEqual(forms::win32::WideToUtf8(logical.lfFaceName),
                     std::string(layout.font.name), "font face");
  checks.ExpectEqual<int>(logical.lfCharSet, layout.font.charset,
                          "font character set");
  checks.ExpectEqual<int>(logical.lfHeight,
                          -forms::PointsToPixels(layout.font.points, dpi),
                          "font size");
}

void ExpectColors(Session& session, Checks& checks) {
  HWND hwnd = session.window().hwnd();
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  session.input().WaitIdle();
  HDC dc = GetDC(hwnd);
  for (const ColorProbe& probe :
       BackColorProbes(session.app().form(), session.window().dpi())) {
    COLORREF pixel = GetPixel(dc, probe.x, probe.y);
    checks.Expect(pixel == forms::win32::ToColorRef(probe.stored_color),
                  "back colour of " + probe.what + " at " +
                      std::to_string(probe.x) + "," + std::to_string(probe.y));
  }
  ReleaseDC(hwnd, dc);
}

}  // namespace

void StartScenario(Checks& checks, int system_dpi) {
  Session session;
  checks.ExpectEqual(session.window().dpi(), system_dpi, "drawn at the dpi");
  HWND message_box = session.Widget(kTextArray, kMessageBox);
  ExpectMessage(session, checks, quiz::kStartText, "at start");
  ExpectChoices(session, checks, -1, -1, "at start");
  checks.Expect(GetFocus() == message_box, "focus in the message box");
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(message_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  checks.Expect(start == 0 && end == 0, "start text not highlighted");
  checks.Expect(session.Widget(kListArray, trovanel::kGaitKeyList) == nullptr &&
                    session.Widget(kTextArray, trovanel::kMottoBox) == nullptr,
                "hidden controls are never shown");
  ExpectFrameAndFont(session, checks);
  ExpectColors(session, checks);

  // An auto radio button that clicks itself (as one does on Windows when it
  // merely gets the focus) chooses nothing: only the pupil does.
  SendMessageW(session.Widget(kOptionArray, 4), BM_CLICK, 0, 0);
  session.input().WaitIdle();
  ExpectChoices(session, checks, -1, -1, "after a click from code");
  ExpectMessage(session, checks, quiz::kStartText, "after a click from code");

  session.input().Key(VK_ESCAPE);
  checks.Expect(
      IsWindow(session.window().hwnd()) && !session.input().exit_status(),
      "Escape leaves the window open");
  ExpectMessage(session, checks, quiz::kStartText, "after Escape");

  session.ClickOption(2);
  ExpectMessage(session, checks, quiz::kMissingChoiceMessage,
                "after the first choice");
  ExpectChoices(session, checks, 2, -1, "after the first choice");
}

void PairsScenario(Checks& checks) {
  Session session;
  int correct = 0;
  for (int16_t gait = 0; gait < quiz::kGaitCount; ++gait) {
    for (int16_t row = 0; row < quiz::kDescriptionCount; ++row) {
      // Half the pairs are chosen description first.
      if ((gait + row) % 2 == 0) {
        session.ClickOption(gait);
        session.ClickRow(row);
      } else {
        session.ClickRow(row);
        session.ClickOption(gait);
      }
      std::string_view expected = Verdict(gait, row);
      if (expected == quiz::kCorrectMessage) ++correct;
      ExpectMessage(session, checks, expected, Pair(gait, row));
      ExpectChoices(session, checks, gait, row, Pair(gait, row));
    }
  }
  checks.ExpectEqual(correct, quiz::kGaitCount, "one right row per gait");
}

void KeyboardScenario(Checks& checks) {
  Session session;
  DesktopInput& input = session.input();
  HWND list = session.Widget(kListArray, kDescriptionList);

  input.Key(VK_TAB);
  checks.Expect(GetFocus() == session.Widget(kOptionArray, 0),
                "Tab enters the option group at its top option");
  ExpectChoices(session, checks, -1, -1, "after Tab");
  ExpectMessage(session, checks, quiz::kStartText, "after Tab");

  input.Key(VK_TAB);
  checks.Expect(GetFocus() == list, "Tab reaches the list");
  input.Key(VK_DOWN);
  ExpectChoices(session, checks, -1, 0, "after Down in the list");
  ExpectMessage(session, checks, quiz::kMissingChoiceMessage,
                "after Down in the list");
  input.Key(VK_DOWN);
  input.Key(VK_DOWN);
  input.Key(VK_UP);
  ExpectChoices(session, checks, -1, 1, "after Down, Down, Up");
  input.Key(VK_UP);
  input.Key(VK_UP);
  ExpectChoices(session, checks, -1, 0, "after Up at the top row");

  input.Key(VK_TAB, /*shift=*/true);
  checks.Expect(GetFocus() == session.Widget(kOptionArray, 0),
                "Shift+Tab goes back to the option group");
  const int steps[][2] = {
      {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_DOWN, 2}, {VK_DOWN, 3}};
  for (const auto& [key, gait] : steps) {
    input.Key(static_cast<WORD>(key));
    std::string when = "after an arrow to option " + std::to_string(gait);
    ExpectChoices(session, checks, gait, 0, when);
    ExpectMessage(session, checks, Verdict(gait, 0), when);
    checks.Expect(
        GetFocus() == session.Widget(kOptionArray, static_cast<int16_t>(gait)),
        "focus follows the choice " + when);
  }
  input.Key(VK_TAB);
  checks.Expect(GetFocus() == list, "the option group is one tab stop");
}

}  // namespace trovanel_test
