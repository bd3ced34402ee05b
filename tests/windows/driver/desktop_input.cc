#include "tests/windows/driver/desktop_input.h"

#include <chrono>
#include <vector>

#include "forms/win32/message_loop.h"
#include "tests/support/polling.h"

namespace trovanel_test {
namespace {

using namespace std::chrono_literals;

// Idle: this many rounds of 10 ms in a row without a message.
constexpr int kQuietRounds = 10;

INPUT KeyInput(WORD virtual_key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, 0));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT CharacterInput(wchar_t character, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void DesktopInput::Click(HWND widget, std::optional<POINT> point) {
  MoveTo(widget, point);
  Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

void DesktopInput::Drag(HWND from, HWND to) {
  MoveTo(from, std::nullopt);
  Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
  MoveTo(to, std::nullopt);
  Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void DesktopInput::Key(WORD virtual_key, bool shift) {
  if (shift) {
    Send({KeyInput(VK_SHIFT, false), KeyInput(virtual_key, false),
          KeyInput(virtual_key, true), KeyInput(VK_SHIFT, true)});
  } else {
    Send({KeyInput(virtual_key, false), KeyInput(virtual_key, true)});
  }
}

void DesktopInput::Type(wchar_t character) {
  Send({CharacterInput(character, false), CharacterInput(character, true)});
}

void DesktopInput::MoveTo(HWND widget, std::optional<POINT> point) {
  RECT client;
  GetClientRect(widget, &client);
  POINT at = point.value_or(POINT{client.right / 2, client.bottom / 2});
  ClientToScreen(widget, &at);
  SetCursorPos(at.x, at.y);
  WaitIdle();
}

void DesktopInput::Send(std::initializer_list<INPUT> inputs) {
  std::vector<INPUT> all(inputs);
  SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
  WaitIdle();
}

bool DesktopInput::WaitIdle() {
  int quiet = 0;
  PollUntil(
      [&] {
        bool busy = GetQueueStatus(QS_ALLINPUT) != 0;
        if (!exit_status_) exit_status_ = forms::win32::PumpPending(window_);
        quiet = busy ? 0 : quiet + 1;
        return exit_status_ || quiet >= kQuietRounds;
      },
      5s);
  return !exit_status_;
}

}  // namespace trovanel_test
