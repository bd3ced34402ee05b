#ifndef TROVANEL_FORMS_WEB_WEB_FORM_H_
#define TROVANEL_FORMS_WEB_WEB_FORM_H_

#include <string_view>
#include <vector>

#include "forms/core/form.h"
#include "forms/core/keyboard.h"

namespace forms::web {

// The page of one form: binds to the elements that the generated markup
// made, mirrors the model into them as its observer, and reports the
// pupil's input as model actions. Hidden controls have no element.
class WebForm : public FormObserver {
 public:
  explicit WebForm(Form& form);
  WebForm(const WebForm&) = delete;
  WebForm& operator=(const WebForm&) = delete;

  // False when the page lacks the form or a visible control's element: a
  // page made from another table.
  bool Bind();
  // The page's icon, a PNG at `url`.
  void SetIcon(const char* url);
  // Shows the model's state, takes input and puts the focus on the first
  // tab stop.
  void Show();
  void ReportError(const RuntimeError& error);

  // The pupil's input, by control handle (-1: no control of the form).
  void OptionClicked(int handle);
  void RowPressed(int handle, int row);
  // A key by the browser's name for it; true when the key was the form's to
  // handle.
  bool KeyPressed(int handle, std::string_view name, bool shift);

  void ListRowChanged(const ListBox& list) override;
  void OptionChanged(const OptionButton& option) override;
  void TextChanged(const TextBox& text) override;

 private:
  Control* ControlAt(int handle) const;
  int HandleOf(const Control& control) const;
  void Focus(const Control* control);
  void MirrorGroup(const OptionButton& option);

  Form& form_;
  Keyboard keyboard_;
  std::vector<bool> bound_;  // by handle
};

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_WEB_FORM_H_
