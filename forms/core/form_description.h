#ifndef TROVANEL_FORMS_CORE_FORM_DESCRIPTION_H_
#define TROVANEL_FORMS_CORE_FORM_DESCRIPTION_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace forms {

enum class ControlKind { kListBox, kOptionButton, kTextBox, kLabel, kFrame };

enum class Alignment { kLeft, kCentre };

// The member number of a control that belongs to no control array.
inline constexpr int16_t kNoMember = -1;

// One row of a window description. Texts are UTF-8, kept exactly (trailing
// blanks, CR LF). Positions and sizes are twips from the top-left corner of
// the container.
struct ControlDescription {
  std::string_view array = {};
  int16_t member = kNoMember;
  ControlKind kind = ControlKind::kLabel;
  std::string_view container = {};  // empty: the window's client area
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  int tab_index = 0;
  std::optional<uint32_t> back_color = {};  // stored 0x00BBGGRR; none: default
  std::string_view caption = {};            // caption, or a text box's text
  std::span<const std::string_view> rows = {};  // a list box's rows
  // A list box whose widest row is wider than the list: the width, in twips,
  // the rows take (padding included); the list scrolls sideways over it. 0:
  // every row fits and there is no sideways scroll bar.
  int scroll_width = 0;
  Alignment alignment = Alignment::kLeft;
  // Text boxes: several lines, a vertical scroll bar, wrapping at the right
  // edge, and no typing by the user.
  bool multi_line = false;
  bool locked = false;
  // What a screen reader calls a control that no label names; never drawn.
  std::string_view accessible_name = {};
  // A label that titles the whole window: the page's level-one heading.
  bool heading = false;
};

struct FontDescription {
  std::string_view name = {};
  int points = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int charset = 0;
};

struct FormDescription {
  std::string_view name = {};
  std::string_view title = {};
  int client_width = 0;  // twips
  int client_height = 0;
  uint32_t back_color = 0;  // stored 0x00BBGGRR
  bool resizable = false;
  bool min_button = false;
  bool max_button = false;
  FontDescription font = {};
  std::span<const ControlDescription> controls = {};  // in description order
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_FORM_DESCRIPTION_H_
