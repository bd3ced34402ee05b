#ifndef TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_
#define TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <string>
#include <string_view>

#include "forms/core/form.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

// A read-only text box: the model's text, wrapped at the right edge, with a
// vertical scroll bar only, always shown (inactive while the text fits). The
// pupil can scroll it but never type into it.
class TextWidget : public Fl_Text_Display {
 public:
  TextWidget(const TextBox& text, const Style& style, int x, int y, int width,
             int height);
  ~TextWidget() override;

  const TextBox& model() const { return text_; }
  // What the box shows: the model's text with each CR LF as one line break.
  std::string shown_text() const;
  void Mirror();

  int handle(int event) override;
  void resize(int x, int y, int width, int height) override;

  // CR LF (and a lone CR) become LF, which is all FLTK breaks lines on.
  static std::string ForDisplay(std::string_view text);

 private:
  const TextBox& text_;
  Fl_Text_Buffer buffer_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_
