#include "forms/fltk/text_widget.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

void TextWidget::Mirror() {
  std::string shown = ForDisplay(text_.text());
  if (shown == shown_text()) return;
  buffer_.text(shown.c_str());
  insert_position(0);
  anchor_ = 0;
  scroll(1, 0);
}

std::string TextWidget::shown_text() const {
  char* text = const_cast<Fl_Text_Buffer&>(buffer_).text();
  std::string copy(text);
  std::free(text);
  return copy;
}

bool TextWidget::MoveCaret(int key, bool extend, bool whole_text) {
  const int from = insert_position();
  switch (key) {
    case FL_Left:
      move_left();
      break;
    case FL_Right:
      move_right();
      break;
    case FL_Up:
      move_up();
      break;
    case FL_Down:
      move_down();
      break;
    case FL_Page_Up:
    case FL_Page_Down:
      // A page keeps one line of the last in view.
      for (int line = 1; line < std::max(mNVisibleLines, 2); ++line) {
        if (!(key == FL_Page_Up ? move_up() : move_down())) break;
      }
      break;
    case FL_Home:
      insert_position(whole_text ? 0 : line_start(from));
      break;
    case FL_End:
      insert_position(whole_text ? buffer_.length()
                                 : line_end(line_start(from), true));
      break;
    default:
      return false;
  }
  if (!extend) anchor_ = insert_position();
  if (anchor_ == insert_position()) {
    buffer_.unselect();
  } else {
    buffer_.select(std::min(anchor_, insert_position()),
                   std::max(anchor_, insert_position()));
  }
  show_insert_position();
  return true;
}

void TextWidget::Copy() {
  char* selected = buffer_.selection_text();
  if (*selected) Fl::copy(selected, static_cast<int>(std::strlen(selected)), 1);
  std::free(selected);
}

int TextWidget::handle(int event) {
  switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
      // A tab stop, as a text box is; the caret shows where the focus is.
      show_cursor(event == FL_FOCUS);
      return 1;
    case FL_KEYBOARD: {
      const int key = Fl::event_key();
      const bool control = Fl::event_state(FL_CTRL) != 0;
      if (control && (key == 'c' || key == FL_Insert)) {
        Copy();
        return 1;
      }
      if (control && key == 'a') {
        anchor_ = 0;
        insert_position(buffer_.length());
        buffer_.select(0, buffer_.length());
        return 1;
      }
      if (MoveCaret(key, Fl::event_state(FL_SHIFT) != 0, control)) return 1;
      break;
    }
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE: {
      // The mouse places the caret and selects: Shift with a caret key
      // then extends from the selection's other end.
      const int handled = Fl_Text_Display::handle(event);
      int start = 0;
      int end = 0;
      anchor_ = !buffer_.selection_position(&start, &end)
                    ? insert_position()
                    : (insert_position() == start ? end : start);
      return handled;
    }
    default:
      break;
  }
  return Fl_Text_Display::handle(event);
}

}  // namespace forms::fltk
