#include "tests/windows/driver/session.h"

#include "forms/win32/error_dialog.h"
#include "forms/win32/wide_text.h"
#include "resources/resource_ids.h"

namespace trovanel_test {

Session::Session(const forms::FormDescription& layout)
    : app_(layout),
      window_(app_.form(), GetModuleHandleW(nullptr)),
      binding_(app_.form(), window_, forms::win32::ErrorDialog(window_)),
      input_(window_) {
  window_.SetIcon(TROVANEL_ICON_ID);
  app_.Load();
  window_.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window_.hwnd());
  input_.WaitIdle();
}

Session::~Session() { input_.WaitIdle(); }

HWND Session::Widget(std::string_view array, int16_t member) {
  forms::Control* control = nullptr;
  forms::CheckStatus(app_.form().Find(array, member, &control));
  return window_.WidgetOf(*control);
}

std::string Session::ShownText(HWND widget) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(widget)) + 1,
                    L'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(widget, text.data(), static_cast<int>(text.size()))));
  return forms::win32::WideToUtf8(text);
}

void Session::ClickOption(int16_t option) {
  input_.Click(Widget(trovanel::kOptionArray, option));
}

void Session::ClickRow(int16_t row) {
  HWND list = Widget(trovanel::kListArray, trovanel::kDescriptionList);
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  input_.Click(
      list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

}  // namespace trovanel_test
