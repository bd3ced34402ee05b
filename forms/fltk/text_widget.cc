#include "forms/fltk/text_widget.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstdlib>

namespace forms::fltk {

TextWidget::TextWidget(const TextBox& text, const Style& style, int x, int y,
                       int width, int height)
    : Fl_Text_Display(x, y, width, height), text_(text) {
  // The font first: attaching the buffer measures lines in it.
  textfont(style.font());
  textsize(style.font_pixels());
  buffer(&buffer_);
  scrollbar_align(FL_ALIGN_RIGHT);
  wrap_mode(WRAP_AT_BOUNDS, 0);
  // Laid out now (resize below): wrap at that width for good, so that the
  // lines never depend on whether the scroll bar is needed.
  wrap_mode(WRAP_AT_PIXEL, text_area.w);
  Mirror();
}

void TextWidget::resize(int x, int y, int width, int height) {
  Fl_Text_Display::resize(x, y, width, height);
  // FLTK hides the scroll bar while the text fits; a text box keeps it,
  // inactive.
  if (mVScrollBar->visible()) {
    mVScrollBar->activate();
    return;
  }
  const int bar = scrollbar_width();
  mVScrollBar->resize(x + Fl::box_dx(box()) + width - Fl::box_dw(box()) - bar,
                      y + Fl::box_dy(box()), bar, height - Fl::box_dh(box()));
  mVScrollBar->set_visible();
  mVScrollBar->deactivate();
  text_area.w -= bar;
}

TextWidget::~TextWidget() {
  // The display detaches from its buffer in its own destructor, which runs
  // after buffer_ is gone: detach while both are alive.
  buffer(nullptr);
}

std::string TextWidget::ForDisplay(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      shown += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      shown += text[i];
    }
  }
  return shown;
}

void TextWidget::Mirror() {
  std::string shown = ForDisplay(text_.text());
  if (shown == shown_text()) return;
  buffer_.text(shown.c_str());
  scroll(1, 0);
}

std::string TextWidget::shown_text() const {
  char* text = const_cast<Fl_Text_Buffer&>(buffer_).text();
  std::string copy(text);
  std::free(text);
  return copy;
}

int TextWidget::handle(int event) {
  if (event == FL_FOCUS || event == FL_UNFOCUS) {
    // A tab stop, as a text box is; the caret shows where the focus is.
    show_cursor(event == FL_FOCUS);
    return 1;
  }
  if (event == FL_KEYBOARD) {
    switch (Fl::event_key()) {
      case FL_Up:
        scroll(std::max(mTopLineNum - 1, 1), 0);
        return 1;
      case FL_Down:
        scroll(mTopLineNum + 1, 0);
        return 1;
      case FL_Left:
      case FL_Right:
        return 1;  // no caret to move; keep the focus here
      default:
        break;
    }
  }
  return Fl_Text_Display::handle(event);
}

}  // namespace forms::fltk
