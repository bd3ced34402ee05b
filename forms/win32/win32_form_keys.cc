// The keys the form answers itself, before the widget with the focus sees
// them: the native keys become the core's, which decides what they do. The
// native list would move from its caret, which sits on row 0 while no row is
// selected.
#include <windows.h>

#include <optional>

#include "forms/win32/win32_form.h"

namespace forms::win32 {
namespace {

std::optional<Key> CoreKey(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_TAB:
      return Key::kTab;
    case VK_UP:
      return Key::kUp;
    case VK_DOWN:
      return Key::kDown;
    case VK_LEFT:
      return Key::kLeft;
    case VK_RIGHT:
      return Key::kRight;
    case VK_HOME:
      return Key::kHome;
    case VK_END:
      return Key::kEnd;
    case VK_PRIOR:
      return Key::kPageUp;
    case VK_NEXT:
      return Key::kPageDown;
    case VK_RETURN:
      return Key::kEnter;
    case VK_ESCAPE:
      return Key::kEscape;
    default:
      return std::nullopt;
  }
}

std::optional<KeyStroke> CorePress(const MSG& msg) {
  if (msg.message == WM_KEYDOWN) {
    const std::optional<Key> key = CoreKey(msg.wParam);
    if (!key) return std::nullopt;
    return KeyStroke{*key, GetKeyState(VK_SHIFT) < 0};
  }
  if (msg.message == WM_CHAR && msg.wParam >= 0x20 && msg.wParam != 0x7F) {
    return KeyStroke{Key::kCharacter, false, static_cast<char32_t>(msg.wParam)};
  }
  return std::nullopt;
}

// The rows the list shows whole.
ListView ViewOf(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  auto row_height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
  return {static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)),
          row_height > 0 ? static_cast<int>(client.bottom / row_height) : 1};
}

}  // namespace

bool Win32Form::HandleKey(const MSG& msg) {
  const std::optional<KeyStroke> press = CorePress(msg);
  if (!press) return false;
  const Widget* widget = Find(msg.hwnd);
  Control* focused = widget ? widget->control : nullptr;
  const ListView view = focused && focused->kind() == ControlKind::kListBox
                            ? ViewOf(widget->hwnd)
                            : ListView{};
  const KeyResult result = keyboard_.Press(focused, *press, view);
  Focus(result.focus);
  return result.handled;
}

}  // namespace forms::win32
