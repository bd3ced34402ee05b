#include "forms/win32/message_loop.h"

#include <windows.h>

namespace forms::win32 {
namespace {

bool IsUserInput(const MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      return true;
    default:
      return false;
  }
}

// No dialog navigation (IsDialogMessage): it would choose an option's
// neighbour by its own order, highlight the whole start text when Tab
// brings the focus back, and close the window on Escape. The form answers
// Tab and the arrow keys itself; Enter and Escape do nothing.
void Dispatch(Win32Form& window, MSG& msg) {
  if (window.HandleKey(msg)) return;
  window.SetUserInput(IsUserInput(msg));
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
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
