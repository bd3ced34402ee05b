#ifndef TROVANEL_FORMS_FLTK_STYLE_H_
#define TROVANEL_FORMS_FLTK_STYLE_H_

#include <FL/Enumerations.H>

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/core/form_description.h"

class Fl_Widget;

namespace forms::fltk {

// What every widget of one form shares: the logical dpi and the form's font,
// which becomes FLTK's current font. Needs the display open.
class Style {
 public:
  Style(const FontDescription& font, int dpi);

  int dpi() const { return dpi_; }
  Fl_Font font() const { return font_; }
  int font_pixels() const { return font_pixels_; }

  // Font of the label and of the text, and the back colour when the control
  // has one of its own.
  void Apply(const ControlDescription& description, Fl_Widget& widget) const;

 private:
  Fl_Font font_;
  int dpi_;
  int font_pixels_;
};

Fl_Color ToFlColor(uint32_t stored);

// The widget keeps its own copy of the caption.
void SetCaption(Fl_Widget& widget, std::string_view caption);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_STYLE_H_
