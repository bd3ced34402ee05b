#ifndef TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_
#define TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_

#include <FL/Fl_Widget.H>

#include <memory>
#include <string>

#include "forms/core/window_binding.h"
#include "forms/fltk/fltk_form.h"
#include "tests/gui/x_client.h"
#include "window/trovanel_app.h"

namespace trovanel_test {

// The Trovanel form with the real backend, shown on the test's display, and
// the means to click at the places the layout table gives and to read back
// what the window shows.
class WindowUnderTest {
 public:
  WindowUnderTest();
  ~WindowUnderTest();

  trovanel::TrovanelApp& app() { return app_; }
  forms::fltk::FltkForm& window() { return *window_; }
  XClient& input() { return input_; }

  // Lets FLTK take in every event the server has sent, then draws.
  void Pump();

  // Clicks through XTest at a point of a control (fractions of its width
  // and height), at the middle of an option, or of a description row.
  void ClickControl(const char* array, int16_t member, double fx = 0.5,
                    double fy = 0.5);
  void ClickOption(int16_t member);
  void ClickRow(int row);
  void Key(unsigned long keysym, unsigned long modifier = 0);

  // Read back from the widgets: what the pupil sees.
  std::string ShownMessage();
  int ShownRow();
  // The chosen option's member, or -1; -2 when more than one shows chosen.
  int ShownOption();
  Fl_Widget* Widget(const char* array, int16_t member);
  // The run-time error reported to the form, if any.
  const std::string& reported_error() const { return reported_error_; }
  const forms::Control& Control(const char* array, int16_t member);

 private:
  // A control's rectangle on the root window, from the layout table.
  void RootRect(const forms::Control& control, int* x, int* y, int* width,
                int* height);

  trovanel::TrovanelApp app_;
  std::unique_ptr<forms::fltk::FltkForm> window_;
  std::unique_ptr<forms::WindowBinding> binding_;
  XClient input_;
  std::string reported_error_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_
