#include "forms/fltk/style.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include <set>
#include <string>
#include <utility>

#include "forms/core/units.h"

namespace forms::fltk {

namespace {

// FLTK reads the first character of a font name as its style: ' ' is plain.
// It keeps the pointer it is given and reads it again whenever a font is set
// later, for as long as the process lives: the names are never freed.
const char* LastingFontName(const FontDescription& font) {
  static auto* names = new std::set<std::string>;
  std::string name(1, font.italic ? (font.weight > 400 ? 'P' : 'I')
                                  : (font.weight > 400 ? 'B' : ' '));
  name += font.name;
  return names->insert(std::move(name)).first->c_str();
}

}  // namespace

Style::Style(const FontDescription& font, int dpi)
    : font_(FL_FREE_FONT),
      dpi_(dpi),
      font_pixels_(PointsToPixels(font.points, dpi)) {
  Fl::set_font(font_, LastingFontName(font));
  // FLTK measures in a font by switching to it and back to the current one;
  // with ours current, the default sans face is never opened.
  fl_font(font_, font_pixels_);
}

void Style::Apply(const ControlDescription& description,
                  Fl_Widget& widget) const {
  widget.labelfont(font_);
  widget.labelsize(font_pixels_);
  if (description.back_color) widget.color(ToFlColor(*description.back_color));
}

Fl_Color ToFlColor(uint32_t stored) {
  Rgb rgb = StoredColorToRgb(stored);
  return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

void SetCaption(Fl_Widget& widget, std::string_view caption) {
  widget.copy_label(std::string(caption).c_str());
}

}  // namespace forms::fltk
