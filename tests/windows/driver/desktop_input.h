#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_DESKTOP_INPUT_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_DESKTOP_INPUT_H_

#include <windows.h>

#include <optional>

#include "forms/win32/win32_form.h"

namespace trovanel_test {

// Real input through SendInput, which reaches the window as the pupil's
// mouse and keyboard do; each call returns once the window has handled it.
class DesktopInput {
 public:
  explicit DesktopInput(forms::win32::Win32Form& window) : window_(window) {}

  // A left click at a point of a widget's client area, by default its middle.
  void Click(HWND widget, std::optional<POINT> point = std::nullopt);
  // The left button pressed in the middle of one widget, released over
  // another.
  void Drag(HWND from, HWND to);
  void Key(WORD virtual_key, bool shift = false);
  // A character as a keyboard of its script types it.
  void Type(wchar_t character);

  // Handles the window's messages until none has come for a while; false
  // once the message loop has been told to end, with that exit status.
  bool WaitIdle();
  std::optional<int> exit_status() const { return exit_status_; }

 private:
  void MoveTo(HWND widget, std::optional<POINT> point);
  void Send(std::initializer_list<INPUT> inputs);

  forms::win32::Win32Form& window_;
  std::optional<int> exit_status_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_DESKTOP_INPUT_H_
