#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_

#include <windows.h>

#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "forms/core/window_binding.h"
#include "forms/win32/win32_form.h"
#include "quiz/built_in_exercise.h"
#include "tests/support/form_lookup.h"
#include "tests/support/scenario_player.h"
#include "tests/windows/driver/desktop_input.h"
#include "app/built_in_layout.h"
#include "app/trovanel_app.h"
#include "app/trovanel_layout.h"

namespace trovanel_test {

// One start of the program inside the test process: the same form, backend
// and error report as Trovanel.exe, shown and idle, with real input.
class Session : public Harness {
 public:
  // Another exercise comes with its own layout; both must outlive this.
  explicit Session(
      const forms::FormDescription& layout = trovanel::BuiltInLayout(),
      const quiz::Exercise& exercise = quiz::BuiltInExercise());
  ~Session() override;

  forms::Form& form() override { return app_.form(); }
  trovanel::TrovanelApp& app() { return app_; }
  forms::win32::Win32Form& window() { return window_; }
  DesktopInput& input() { return input_; }

  template <typename T>
  T& Model(std::string_view array, int16_t member) {
    return FindControl<T>(app_.form(), array, member);
  }
  // The native widget of a shown control.
  HWND Widget(std::string_view array, int16_t member);
  // Where the keyboard focus is: "message", "list", "option M"; else
  // "none". A message box with its text highlighted is named so.
  std::string Focus() override;

  // What the pupil sees and does.
  std::string ShownText(HWND widget);
  std::string ShownMessage() override;
  int ShownOption() override;
  int ShownRow() override;
  void ClickOption(int option) override;
  void ClickRow(int row) override;
  // Presses on an option and lets go over the title label.
  void PressBack(int option) override;
  bool Key(std::string_view name) override;

 private:
  // How many options the window has (five for the built-in exercise).
  int16_t OptionCount();

  trovanel::TrovanelApp app_;
  forms::win32::Win32Form window_;
  forms::WindowBinding binding_;
  DesktopInput input_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_SESSION_H_
