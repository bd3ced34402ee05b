#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_

#include <windows.h>

#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "forms/core/window_binding.h"
#include "forms/win32/win32_form.h"
#include "tests/windows/driver/desktop_input.h"
#include "window/trovanel_app.h"
#include "window/trovanel_layout.h"

namespace trovanel_test {

// One start of the program inside the test process: the same form, backend
// and error report as Trovanel.exe, shown and idle, with real input.
class Session {
 public:
  explicit Session(
      const forms::FormDescription& layout = trovanel::TrovanelLayout());
  ~Session();

  trovanel::TrovanelApp& app() { return app_; }
  forms::win32::Win32Form& window() { return window_; }
  DesktopInput& input() { return input_; }

  template <typename T>
  T& Model(std::string_view array, int16_t member) {
    T* control = nullptr;
    forms::CheckStatus(app_.form().FindAs(array, member, &control));
    return *control;
  }
  // The native widget of a shown control.
  HWND Widget(std::string_view array, int16_t member);

  // What the pupil sees and does.
  std::string ShownText(HWND widget);
  void ClickOption(int16_t option);
  void ClickRow(int16_t row);

 private:
  trovanel::TrovanelApp app_;
  forms::win32::Win32Form window_;
  forms::WindowBinding binding_;
  DesktopInput input_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_
