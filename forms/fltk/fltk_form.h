#ifndef TROVANEL_FORMS_FLTK_FLTK_FORM_H_
#define TROVANEL_FORMS_FLTK_FLTK_FORM_H_

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <map>
#include <memory>

#include "forms/core/form.h"
#include "forms/fltk/form_window.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

// The FLTK window of one form: one widget per visible control, built from
// the form's description, mirroring the model as its observer. Hidden
// controls get no widget at all. Needs the display open (OpenDisplay).
class FltkForm : public FormObserver {
 public:
  FltkForm(Form& form, int dpi);
  ~FltkForm() override;
  FltkForm(const FltkForm&) = delete;
  FltkForm& operator=(const FltkForm&) = delete;

  Fl_Double_Window& window() { return *window_; }
  const Style& style() const { return style_; }
  // nullptr for a hidden control.
  Fl_Widget* WidgetFor(const Control& control) const;

  // Before Show(). The picture is an XPM; it is used at its own size.
  void SetIcon(const char* const* xpm);
  // Shows the window with the focus on the first tab stop.
  void Show();
  // Shows the error report and closes the window: Run() then returns
  // kExitRuntimeError.
  void ReportError(const RuntimeError& error);
  // The event loop, until the window is closed: kExitClosed, or
  // kExitRuntimeError after a report.
  int Run();

  void ListRowChanged(const ListBox& list) override;
  void OptionChanged(const OptionButton& option) override;
  void TextChanged(const TextBox& text) override;

 private:
  class BufferedWindow;

  void Build(const Control* container);
  Fl_Widget* Create(Control& control, int x, int y, int width, int height);
  static void OnWindowCallback(Fl_Widget* widget, void* data);

  Form& form_;
  Style style_;
  std::unique_ptr<FormWindow> window_;
  std::unique_ptr<Fl_RGB_Image> icon_;
  std::map<const Control*, Fl_Widget*> widgets_;
  int exit_status_ = kExitClosed;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_FLTK_FORM_H_
