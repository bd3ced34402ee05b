#ifndef TROVANEL_FORMS_CORE_WINDOW_BINDING_H_
#define TROVANEL_FORMS_CORE_WINDOW_BINDING_H_

#include <utility>

#include "forms/core/form.h"

namespace forms {

// A backend's window bound to its form for the window's life: the window
// mirrors the model and reports its run-time errors. Every backend's RunForm
// has the same steps: open the display, build the window, bind it, set the
// icon, raise the load event, show the window, run the event loop; the
// binding is undone before the window goes.
class WindowBinding {
 public:
  WindowBinding(Form& form, FormObserver& window, ErrorReporter reporter)
      : form_(form) {
    form_.SetErrorReporter(std::move(reporter));
    form_.SetObserver(&window);
  }
  ~WindowBinding() {
    form_.SetObserver(nullptr);
    form_.SetErrorReporter(nullptr);
  }
  WindowBinding(const WindowBinding&) = delete;
  WindowBinding& operator=(const WindowBinding&) = delete;

 private:
  Form& form_;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_WINDOW_BINDING_H_
