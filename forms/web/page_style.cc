#include "forms/web/page_style.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "forms/core/geometry.h"
#include "forms/core/units.h"
#include "forms/web/element_ids.h"
#include "forms/web/html_text.h"

namespace forms::web {
namespace {

// The look of each kind of control. Lists and text boxes keep the
// browser's own field colours, as the window keeps the platform's.
constexpr std::string_view kKindRules =
    "body{margin:0}"
    ".form{position:relative;overflow:hidden}"
    ".form *{box-sizing:border-box;margin:0;font:inherit}"
    ".ctl{position:absolute;overflow:hidden}"
    ".label{white-space:pre-wrap;overflow-wrap:break-word}"
    ".centre{text-align:center}"
    ".frame{border:0;padding:0;min-inline-size:0}"
    ".frame::before{content:'';position:absolute;inset:.55em 0 0;"
    "border:2px groove #f4f4f4}"
    ".frame>legend{position:absolute;left:.4em;top:0;padding:0 2px;"
    "background:inherit;white-space:pre}"
    ".option{display:flex;align-items:center;white-space:pre}"
    ".option>input{flex:none;margin:0 4px 0 2px}"
    ".list,.text{border:2px inset #d8d8d8;background:Field;color:FieldText}"
    ".list{overflow-y:auto;user-select:none;outline-offset:-2px}"
    ".list>div{white-space:pre;padding:0 2px}"
    ".list>[aria-selected=true]{background:Highlight;color:HighlightText}"
    ".text{resize:none;overflow-x:hidden;overflow-y:scroll;padding:0 2px}";

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
  std::string css = Cat({"html{background:", back, "}", kKindRules});
  css += Cat({".form{width:", Px(TwipsToPixels(layout.client_width, kCssDpi)),
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
  return css;
}

}  // namespace forms::web
