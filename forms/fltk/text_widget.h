#ifndef TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_
#define TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <string>
#include <string_view>

#include "forms/core/form.h"
#include "forms/core/line_breaks.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

// A read-only text box: the model's text, wrapped at the right edge, with a
// vertical scroll bar only, always shown (inactive while the text fits). As
// in a native read-only box, the pupil moves a caret (shown while the box has
// the focus), selects with Shift and copies with Ctrl+C, but never types.
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
  static std::string ForDisplay(std::string_view text) {
    return WithLineFeeds(text);
  }

 private:
  // A caret key: moves the caret, with Shift extends the selection. False
  // for any other key.
  bool MoveCaret(int key, bool extend, bool whole_text);
  void Copy();

  const TextBox& text_;
  Fl_Text_Buffer buffer_;
  int anchor_ = 0;  // where a selection made with Shift starts
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_TEXT_WIDGET_H_
