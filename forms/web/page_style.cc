#include "forms/web/page_style.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "forms/core/geometry.h"
#include "forms/core/units.h"
#include "forms/web/element_ids.h"
#include "forms/web/embedded_texts.h"
#include "forms/web/html_text.h"

namespace forms::web {
namespace {

struct AlikeFace {
  std::string_view name;
  std::string_view alike;  // the same metrics, where the named face is absent
  std::string_view generic;
};
constexpr std::array<AlikeFace, 3> kAlikeFaces = {{
    {"Times New Roman", "Liberation Serif", "serif"},
    {"Arial", "Liberation Sans", "sans-serif"},
    {"Courier New", "Liberation Mono", "monospace"},
}};

std::string CssFont(const FontDescription& font) {
  std::string stack = Cat({"\"", font.name, "\""});
  std::string_view generic = "serif";
  for (const AlikeFace& face : kAlikeFaces) {
    if (face.name == font.name) {
      stack += Cat({",\"", face.alike, "\""});
      generic = face.generic;
    }
  }
  std::string decoration;
  if (font.underline) decoration += " underline";
  if (font.strikeout) decoration += " line-through";
  return Cat({"font:", font.italic ? "italic " : "",
              std::to_string(font.weight), " ", std::to_string(font.points),
              "pt ", stack, ",", generic,
              decoration.empty() ? "" : ";text-decoration:", decoration});
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

std::string BoxRule(const std::string& id, const Rect& box,
                    std::string_view extra) {
  return Cat({"#", id, "{left:", Px(box.left), ";top:", Px(box.top), ";width:",
              Px(box.width), ";height:", Px(box.height), extra, "}"});
}

}  // namespace

std::string CssColor(uint32_t stored) {
  Rgb rgb = StoredColorToRgb(stored);
  char css[8];
  std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return css;
}

std::string PageStyle(const Form& form) {
  const FormDescription& layout = form.description();
  const std::string back = CssColor(layout.back_color);
  const int width = TwipsToPixels(layout.client_width, kCssDpi);
  std::string css = Cat({"html{background:", back, "}", kKindRules});
  css += Cat({".form{width:", Px(width),
              ";height:", Px(TwipsToPixels(layout.client_height, kCssDpi)),
              ";background:", back, ";", CssFont(layout.font), "}"});
  for (const auto& control : form.controls()) {
    const ControlDescription& d = control->description();
    if (!d.visible) continue;
    // Elements sit inside their container's element.
    Rect box = ControlRect(layout, d, kCssDpi);
    if (const Control* outer = control->container()) {
      Rect origin = ControlRect(layout, outer->description(), kCssDpi);
      box.left -= origin.left;
      box.top -= origin.top;
    }
    std::string colour =
        d.back_color ? Cat({";background:", CssColor(*d.back_color)}) : "";
    css += BoxRule(ElementId(d), box, colour);
  }
  // Where the form does not fit the screen's width, it becomes one column
  // instead of being shown smaller.
  return Cat({css, "@media not all and (min-width:", Px(width), "){",
              kColumnRules, "}"});
}

}  // namespace forms::web
