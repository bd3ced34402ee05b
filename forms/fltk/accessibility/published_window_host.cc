// What the peers ask, answered from the model and the widgets at the time
// of asking.

#include <FL/Fl_Browser.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdlib>
#include <string>

#include "forms/core/keyboard_order.h"
#include "forms/fltk/accessibility/published_window.h"

namespace forms::fltk::accessibility {
namespace {

AtkAttributeSet* WithAttribute(AtkAttributeSet* set, AtkTextAttribute name,
                               const std::string& value) {
  auto* attribute = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
  attribute->name = g_strdup(atk_text_attribute_get_name(name));
  attribute->value = g_strdup(value.c_str());
  return g_slist_prepend(set, attribute);
}

// ATK's colour: red, green and blue of 0 to 65535.
std::string AtkColour(Fl_Color colour) {
  uchar red = 0;
  uchar green = 0;
  uchar blue = 0;
  Fl::get_color(colour, red, green, blue);
  return std::to_string(red * 257) + "," + std::to_string(green * 257) + "," +
         std::to_string(blue * 257);
}

void Add(AtkStateSet* states, std::initializer_list<AtkStateType> types) {
  for (AtkStateType type : types) atk_state_set_add_state(states, type);
}

// The window's top-left corner on the screen.
void WindowOrigin(Fl_Window* window, int* x, int* y) {
  *x = window->x();
  *y = window->y();
  if (!window->shown()) return;
  ::Window child;
  XTranslateCoordinates(fl_display, fl_xid(window),
                        DefaultRootWindow(fl_display), 0, 0, x, y, &child);
}

// A rectangle given within the window, in the coordinates asked for.
AtkRectangle InCoordinates(AtkRectangle r, const Node& node, Fl_Window* window,
                           AtkCoordType coords) {
  if (coords == ATK_XY_SCREEN) {
    int x = 0;
    int y = 0;
    WindowOrigin(window, &x, &y);
    r.x += x;
    r.y += y;
  } else if (coords == ATK_XY_PARENT && node.parent &&
             node.parent->kind != NodeKind::kWindow && node.parent->widget &&
             node.parent->widget != window) {
    r.x -= node.parent->widget->x();
    r.y -= node.parent->widget->y();
  }
  return r;
}

Fl_Text_Display* TextDisplay(const Node& node) {
  return node.kind == NodeKind::kText
             ? static_cast<Fl_Text_Display*>(node.widget)
             : nullptr;
}

}  // namespace

void PublishedWindow::AddStates(const Node& node, AtkStateSet* states) {
  if (node.kind == NodeKind::kApplication) return;
  if (node.kind == NodeKind::kNotification) {
    if (announced_) Add(states, {ATK_STATE_VISIBLE, ATK_STATE_SHOWING});
    return;
  }
  Fl_Widget* widget = node.widget;
  if (widget->active_r()) Add(states, {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE});
  if (widget->visible()) Add(states, {ATK_STATE_VISIBLE});
  if (widget->visible_r() && window_->shown()) Add(states, {ATK_STATE_SHOWING});
  for (AtkStateType state : TraitsOf(node.kind).fixed_states) {
    if (state != ATK_STATE_INVALID) Add(states, {state});
  }
  if (node.control && TakesFocus(*node.control)) {
    Add(states, {ATK_STATE_FOCUSABLE});
    if (focused_ == &node) Add(states, {ATK_STATE_FOCUSED});
  }
  // The states that follow the model.
  if (node.kind == NodeKind::kWindow && active_) {
    Add(states, {ATK_STATE_ACTIVE});
  }
  if (node.kind == NodeKind::kOption &&
      static_cast<const OptionButton*>(node.control)->chosen()) {
    Add(states, {ATK_STATE_CHECKED});
  }
  if (node.kind == NodeKind::kListItem &&
      SelectedRow(*node.parent) == node.row) {
    Add(states, {ATK_STATE_SELECTED});
  }
}

AtkRectangle PublishedWindow::Extents(const Node& node, AtkCoordType coords) {
  AtkRectangle r = {0, 0, 0, 0};
  if (node.kind == NodeKind::kApplication ||
      node.kind == NodeKind::kNotification) {
    return {-1, -1, 0, 0};
  }
  Fl_Widget* widget = node.widget;
  if (widget != window_) {
    r = {widget->x(), widget->y(), widget->w(), widget->h()};
  }
  if (node.kind == NodeKind::kListItem) {
    auto* browser = static_cast<Fl_Browser*>(widget);
    fl_font(browser->textfont(), browser->textsize());
    r.height = fl_height();
    r.y +=
        Fl::box_dy(browser->box()) + node.row * r.height - browser->position();
    r.x += Fl::box_dx(browser->box());
    r.width -= Fl::box_dw(browser->box());
  }
  if (widget == window_) {
    r.width = window_->w();
    r.height = window_->h();
    if (coords == ATK_XY_WINDOW) return r;
    WindowOrigin(window_, &r.x, &r.y);
    return r;
  }
  return InCoordinates(r, node, window_, coords);
}

int PublishedWindow::SelectedRow(const Node& list) {
  return static_cast<const ListBox*>(list.control)->current_row();
}

std::string PublishedWindow::Text(const Node& node) {
  Fl_Text_Display* display = TextDisplay(node);
  if (!display || !display->buffer()) return node.name;
  char* text = display->buffer()->text();
  std::string copy(text);
  std::free(text);
  return copy;
}

int PublishedWindow::Caret(const Node& node) {
  Fl_Text_Display* display = TextDisplay(node);
  return display ? display->insert_position() : 0;
}

std::pair<int, int> PublishedWindow::Selection(const Node& node) {
  Fl_Text_Display* display = TextDisplay(node);
  int start = 0;
  int end = 0;
  if (!display || !display->buffer()->selection_position(&start, &end)) {
    return {0, 0};
  }
  return {start, end};
}

AtkAttributeSet* PublishedWindow::TextAttributes(const Node& node) {
  Fl_Text_Display* display = TextDisplay(node);
  if (!display) return nullptr;
  AtkAttributeSet* set = nullptr;
  const char* font = Fl::get_font_name(display->textfont());
  set = WithAttribute(set, ATK_TEXT_ATTR_FAMILY_NAME, font ? font : "");
  set = WithAttribute(set, ATK_TEXT_ATTR_FG_COLOR,
                      AtkColour(display->textcolor()));
  set = WithAttribute(set, ATK_TEXT_ATTR_BG_COLOR, AtkColour(display->color()));
  set = WithAttribute(set, ATK_TEXT_ATTR_EDITABLE, "false");
  set = WithAttribute(set, ATK_TEXT_ATTR_WRAP_MODE, "word");
  return set;
}

void PublishedWindow::LineAt(const Node& node, int offset, int* start,
                             int* end) {
  Fl_Text_Display* display = TextDisplay(node);
  if (!display) {
    *start = 0;
    *end = static_cast<int>(node.name.size());
    return;
  }
  // Up to the next line's start, its break or wrapping blank included, as
  // the caret moves from line to line.
  *start = display->line_start(offset);
  *end = display->skip_lines(*start, 1, true);
}

AtkRectangle PublishedWindow::CharacterExtents(const Node& node, int offset,
                                               AtkCoordType coords) {
  Fl_Text_Display* display = TextDisplay(node);
  int x = 0;
  int y = 0;
  if (!display || !display->position_to_xy(offset, &x, &y)) {
    return {-1, -1, 0, 0};
  }
  fl_font(display->textfont(), display->textsize());
  const char* text = display->buffer()->address(offset);
  const int length = text && *text ? fl_utf8len1(*text) : 0;
  AtkRectangle r = {x, y, static_cast<int>(fl_width(text, length)),
                    fl_height()};
  return InCoordinates(r, node, window_, coords);
}

}  // namespace forms::fltk::accessibility
