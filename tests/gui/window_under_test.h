#ifndef TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_
#define TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_

#include <memory>
#include <string>
#include <string_view>

#include "forms/core/window_binding.h"
#include "forms/fltk/fltk_form.h"
#include "forms/fltk/text_widget.h"
#include "tests/support/scenario_player.h"
#include "tests/support/x_client.h"
#include "app/trovanel_app.h"

namespace trovanel_test {

// The Trovanel form with the real backend, shown on the test's display in
// the test's own process, driven by real input (XTest) at the places the
// layout gives, and read back from the model and from the widgets.
class WindowUnderTest : public Harness {
 public:
  WindowUnderTest();
  // Another exercise in its own layout; both must outlive the window.
  WindowUnderTest(const forms::FormDescription& layout,
                  const quiz::Exercise& exercise);
  ~WindowUnderTest() override;

  forms::Form& form() override { return app_.form(); }
  forms::fltk::FltkForm& window() { return *window_; }

  // Lets FLTK take in every event the server has sent, then draws.
  void Pump();

  void ClickOption(int member) override;
  void ClickRow(int row) override;
  // Presses on the option and releases on the title label.
  void PressBack(int member) override;
  bool Key(std::string_view name) override;

  std::string ShownMessage() override;
  std::string AsShown(std::string_view text) override {
    return forms::fltk::TextWidget::ForDisplay(text);
  }
  int ShownRow() override;
  int ShownOption() override;
  // "message", "list", "option M" or "elsewhere".
  std::string Focus() override;
  // The run-time error reported to the form, if any.
  const std::string& reported_error() const { return reported_error_; }

 private:
  void ClickAt(const forms::Control& control, double fx, double fy);

  trovanel::TrovanelApp app_;
  std::unique_ptr<forms::fltk::FltkForm> window_;
  std::unique_ptr<forms::WindowBinding> binding_;
  XClient input_;
  std::string reported_error_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_GUI_WINDOW_UNDER_TEST_H_
