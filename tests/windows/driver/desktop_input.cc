#include "tests/windows/driver/desktop_input.h"

#include "forms/win32/message_loop.h"

namespace trovanel_test {
namespace {

constexpr int kQuietRounds = 10;
constexpr int kRoundMilliseconds = 10;
constexpr int kMaxRounds = 500;

INPUT KeyInput(WORD virtual_key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, 0));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void DesktopInput::Click(HWND widget, POINT point) {
  ClientToScreen(widget, &point);
  SetCursorPos(point.x, point.y);
  WaitIdle();
  INPUT clicks[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN),
                     MouseInput(MOUSEEVENTF_LEFTUP)};
  SendInput(2, clicks, sizeof(INPUT));
  WaitIdle();
}

void DesktopInput::Click(HWND widget) {
  RECT client;
  GetClientRect(widget, &client);
  Click(widget, POINT{client.right / 2, client.bottom / 2});
}

void DesktopInput::Key(WORD virtual_key, bool shift) {
  INPUT keys[4];
  UINT count = 0;
  if (shift) keys[count++] = KeyInput(VK_SHIFT, false);
  keys[count++] = KeyInput(virtual_key, false);
  keys[count++] = KeyInput(virtual_key, true);
  if (shift) keys[count++] = KeyInput(VK_SHIFT, true);
  SendInput(count, keys, sizeof(INPUT));
  WaitIdle();
}

bool DesktopInput::WaitIdle() {
  int quiet = 0;
  for (int round = 0; round < kMaxRounds && quiet < kQuietRounds; ++round) {
    bool busy = GetQueueStatus(QS_ALLINPUT) != 0;
    if (exit_status_) return false;
    exit_status_ = forms::win32::PumpPending(window_);
    if (exit_status_) return false;
    quiet = busy ? 0 : quiet + 1;
    Sleep(kRoundMilliseconds);
  }
  return true;
}

}  // namespace trovanel_test
