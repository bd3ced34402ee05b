#include "forms/win32/message_loop.h"

#include <windows.h>

namespace forms::win32 {
namespace {

// Tab only moves the focus: entering the option group that way chooses
// nothing, even where an auto radio button clicks itself on focus.
bool IsUserInput(const MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
      return msg.wParam != VK_TAB;
    case WM_CHAR:
      return msg.wParam != L'\t';
    default:
      return false;
  }
}

bool IsEscape(const MSG& msg) {
  return ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
          msg.wParam == VK_ESCAPE) ||
         (msg.message == WM_CHAR && msg.wParam == 0x1B);
}

void Dispatch(Win32Form& window, MSG& msg) {
  // With dialog navigation, Escape would close the window from inside the
  // text box; the window closes only by its close box or system menu.
  if (IsEscape(msg)) return;
  window.SetUserInput(IsUserInput(msg));
  HWND hwnd = window.hwnd();
  if (!hwnd || !IsDialogMessageW(hwnd, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  window.SetUserInput(false);
}

}  // namespace

int RunMessageLoop(Win32Form& window) {
  MSG msg;
  BOOL result;
  while ((result = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    Dispatch(window, msg);
  }
  return result < 0 ? kExitCannotStart : static_cast<int>(msg.wParam);
}

std::optional<int> PumpPending(Win32Form& window) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
    Dispatch(window, msg);
  }
  return std::nullopt;
}

}  // namespace forms::win32
