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

  // A left click at a point of a widget's client area.
  void Click(HWND widget, POINT point);
  // A click in the middle of the widget.
  void Click(HWND widget);
  void Key(WORD virtual_key, bool shift = false);

  // Handles the window's messages until none has come for a while; false
  // once the message loop has been told to end, with that exit status.
  bool WaitIdle();
  std::optional<int> exit_status() const { return exit_status_; }

 private:
  forms::win32::Win32Form& window_;
  std::optional<int> exit_status_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_DESKTOP_INPUT_H_
