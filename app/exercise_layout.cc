#include "app/exercise_layout.h"

#include <algorithm>

#include "forms/core/geometry.h"
#include "forms/core/units.h"
#include "app/text_fit.h"
#include "app/trovanel_layout.h"

namespace trovanel {
namespace {

using forms::ControlDescription;
using forms::ControlKind;

// What the table holds: five options, one step apart, and five rows.
constexpr int kTableOptions = 5;
constexpr int kTableRows = 5;
constexpr int kOptionStep = 360;  // twips between option tops
constexpr int kRowStep = 285;     // one list row at the form's font
// Room around a text inside its control, in twips: the option's round
// button, the list's border and padding, a label's and a caption's margins.
constexpr int kOptionChrome = 400;
constexpr int kListChrome = 135;
constexpr int kLabelChrome = 120;
constexpr int kFrameCaptionChrome = 360;
// The widest the window may be, and the least the list keeps of it when the
// options are wide: room for a third of the longest description.
constexpr int kMaxClientWidth = kMaxWindowWidth * 15;
constexpr int kMinListWidth = 4000;
// A sideways scroll bar's height, and a wrapped caption's further lines.
constexpr int kScrollBarHeight = 255;
constexpr int kLineStep = 285;

bool IsOption(const ControlDescription& control) {
  return control.array == kOptionArray;
}
bool Is(const ControlDescription& control, std::string_view array,
        int16_t member) {
  return control.array == array && control.member == member;
}

template <typename Strings>
std::vector<std::string_view> Views(const Strings& texts) {
  return {texts.begin(), texts.end()};
}

}  // namespace

ExerciseLayout::ExerciseLayout(const quiz::Exercise& exercise)
    : descriptions_(Views(exercise.descriptions)),
      option_keys_(Views(exercise.option_keys)),
      description_keys_(Views(exercise.description_keys)),
      form_(TrovanelLayout()) {
  const forms::FormDescription& table = TrovanelLayout();
  const int points = table.font.points;
  const auto find = [&table](std::string_view array, int16_t member) {
    return *std::find_if(
        table.controls.begin(), table.controls.end(),
        [&](const ControlDescription& c) { return Is(c, array, member); });
  };
  const ControlDescription frame = find(kFrameName, forms::kNoMember);
  const ControlDescription list = find(kListArray, kDescriptionList);
  const ControlDescription option = find(kOptionArray, 0);
  const ControlDescription title = find(kLabelArray, 0);

  // Widths: the option column, then the list column right of it in what is
  // left of the widest window. Rows wider than the list scroll sideways;
  // captions wider than their control wrap onto more lines.
  const int beside = table.client_width - option.width - list.width;
  const int option_width =
      std::max({option.width,
                std::min(Widest(exercise.options, points) + kOptionChrome,
                         kMaxClientWidth - beside - kMinListWidth),
                DrawnWidth(exercise.frame_caption, points) +
                    kFrameCaptionChrome - (frame.width - option.width)});
  const int wider_options = option_width - option.width;
  const int rows_width = Widest(exercise.descriptions, points) + kListChrome;
  const int list_width = std::min(
      std::max({list.width, rows_width,
                DrawnWidth(exercise.list_heading, points) + kLabelChrome}),
      std::max(kMaxClientWidth - beside - option_width, kMinListWidth));
  const int wider_list = list_width - list.width;
  const int scroll_width = rows_width > list_width ? rows_width : 0;
  const int title_width =
      std::clamp(DrawnWidth(exercise.title_caption, points) + kLabelChrome,
                 title.width, kMaxClientWidth - 2 * title.left);
  const auto extra_lines = [points](std::string_view text, int width) {
    return kLineStep * (WrappedLines(text, points, width - kLabelChrome) - 1);
  };
  const int title_extra = extra_lines(exercise.title_caption, title_width);
  const int heading_extra = extra_lines(exercise.list_heading, list_width);

  // Heights: the title and the heading may take more lines, the group and
  // the list grow; what lies below moves down.
  const int options = static_cast<int>(exercise.options.size());
  const int rows = static_cast<int>(exercise.descriptions.size());
  const int frame_height =
      frame.height + kOptionStep * (options - kTableOptions);
  const int list_height = list.height + kRowStep * (rows - kTableRows) +
                          (scroll_width > 0 ? kScrollBarHeight : 0);
  const int old_bottom =
      std::max(frame.top + frame.height, list.top + list.height);
  const int lower = std::max(frame.top + frame_height,
                             list.top + heading_extra + list_height) -
                    old_bottom;

  int next_tab = 0;
  for (const ControlDescription& control : table.controls) {
    next_tab = std::max(next_tab, control.tab_index + 1);
  }
  for (const ControlDescription& control : table.controls) {
    ControlDescription c = control;
    if (c.container.empty() && !Is(c, kLabelArray, 0)) c.top += title_extra;
    if (IsOption(c)) {
      if (c.member >= options) continue;
      c.width = option_width;
      c.caption = exercise.options[c.member];
    } else if (c.array == kFrameName) {
      c.width += wider_options;
      c.height = frame_height;
      c.caption = exercise.frame_caption;
    } else if (Is(c, kLabelArray, 0)) {
      c.width = title_width;
      c.height += title_extra;
      c.caption = exercise.title_caption;
    } else if (Is(c, kLabelArray, 1)) {
      c.left += wider_options;
      c.width = list_width;
      c.height += heading_extra;
      c.caption = exercise.list_heading;
    } else if (Is(c, kListArray, kDescriptionList)) {
      c.left += wider_options;
      c.top += heading_extra;
      c.width = list_width;
      c.height = list_height;
      c.rows = descriptions_;
      c.scroll_width = scroll_width;
    } else if (c.array == kListArray) {
      c.left += wider_options;
      c.top += lower;
      c.rows = c.member == kGaitKeyList ? option_keys_ : description_keys_;
    } else if (Is(c, kTextArray, kMessageBox)) {
      c.top += lower;
      c.width += wider_options + wider_list;
      c.caption = exercise.start_text;
    } else if (c.array == kTextArray) {
      c.top += lower;
    }
    controls_.push_back(c);
    // Options past the table's five follow its last, one step further each.
    if (IsOption(c) && c.member == kTableOptions - 1) {
      for (int16_t extra = kTableOptions; extra < options; ++extra) {
        c.member = extra;
        c.top += kOptionStep;
        c.tab_index = next_tab++;
        c.caption = exercise.options[extra];
        controls_.push_back(c);
      }
    }
  }
  form_.title = exercise.window_title;
  form_.client_width = std::max(table.client_width + wider_options + wider_list,
                                title.left + title_width + title.left);
  form_.client_height = table.client_height + title_extra + lower;
  form_.controls = controls_;
}

std::string ExerciseLayout::TooLarge() const {
  const forms::Rect client = forms::ClientRect(form_, forms::kDefaultDpi);
  if (client.width <= kMaxWindowWidth && client.height <= kMaxWindowHeight) {
    return {};
  }
  return "прозорецът става " + std::to_string(client.width) + " × " +
         std::to_string(client.height) + " точки, а най-много са " +
         std::to_string(kMaxWindowWidth) + " × " +
         std::to_string(kMaxWindowHeight) + ": съкратете надписа на групата";
}

}  // namespace trovanel
