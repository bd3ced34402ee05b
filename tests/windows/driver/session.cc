#include "tests/windows/driver/session.h"

#include "forms/win32/error_dialog.h"
#include "forms/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "tests/support/answers.h"

namespace trovanel_test {
namespace {

struct NamedKey {
  std::string_view name;
  WORD virtual_key;
};

constexpr NamedKey kKeys[] = {
    {"Tab", VK_TAB},       {"Up", VK_UP},         {"Down", VK_DOWN},
    {"Left", VK_LEFT},     {"Right", VK_RIGHT},   {"Home", VK_HOME},
    {"End", VK_END},       {"Page_Up", VK_PRIOR}, {"Page_Down", VK_NEXT},
    {"Return", VK_RETURN}, {"Escape", VK_ESCAPE}, {"space", VK_SPACE},
};

constexpr std::string_view kShift = "Shift+";

}  // namespace

Session::Session(const forms::FormDescription& layout,
                 const quiz::Exercise& exercise)
    : app_(layout, exercise),
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
  return window_.WidgetOf(Model<forms::Control>(array, member));
}

std::string Session::Focus() {
  HWND focus = GetFocus();
  HWND message = Widget(trovanel::kTextArray, trovanel::kMessageBox);
  if (focus && focus == message) {
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(message, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == end ? "message" : "message, its text highlighted";
  }
  if (focus &&
      focus == Widget(trovanel::kListArray, trovanel::kDescriptionList)) {
    return "list";
  }
  for (int16_t option = 0; focus && option < OptionCount(); ++option) {
    if (focus == Widget(trovanel::kOptionArray, option)) {
      return "option " + std::to_string(option);
    }
  }
  return "none";
}

int16_t Session::OptionCount() {
  int16_t count = 0;
  for (const auto& control : app_.form().controls()) {
    count += control->array() == trovanel::kOptionArray;
  }
  return count;
}

std::string Session::ShownMessage() {
  return ShownText(Widget(trovanel::kTextArray, trovanel::kMessageBox));
}

int Session::ShownOption() {
  int shown = -1;
  for (int16_t option = 0; option < OptionCount(); ++option) {
    if (SendMessageW(Widget(trovanel::kOptionArray, option), BM_GETCHECK, 0,
                     0) == BST_CHECKED) {
      shown = shown == -1 ? option : -2;
    }
  }
  return shown;
}

int Session::ShownRow() {
  return static_cast<int>(
      SendMessageW(Widget(trovanel::kListArray, trovanel::kDescriptionList),
                   LB_GETCURSEL, 0, 0));
}

std::string Session::ShownText(HWND widget) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(widget)) + 1,
                    L'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(widget, text.data(), static_cast<int>(text.size()))));
  return forms::win32::WideToUtf8(text);
}

void Session::ClickOption(int option) {
  input_.Click(Widget(trovanel::kOptionArray, static_cast<int16_t>(option)));
}

void Session::ClickRow(int row) {
  HWND list = Widget(trovanel::kListArray, trovanel::kDescriptionList);
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  input_.Click(
      list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void Session::PressBack(int option) {
  input_.Drag(Widget(trovanel::kOptionArray, static_cast<int16_t>(option)),
              Widget(trovanel::kLabelArray, 0));
}

bool Session::Key(std::string_view name) {
  bool shift = name.starts_with(kShift);
  if (shift) name.remove_prefix(kShift.size());
  for (const NamedKey& key : kKeys) {
    if (key.name == name) {
      input_.Key(key.virtual_key, shift);
      return true;
    }
  }
  std::wstring typed = forms::win32::Utf8ToWide(name);
  if (shift || typed.size() != 1) return false;
  input_.Type(typed[0]);
  return true;
}

}  // namespace trovanel_test
