#include "window/trovanel_layout.h"

#include <array>

#include "quiz/quiz_content.h"

namespace trovanel {
namespace {

using forms::Alignment;
using forms::ControlDescription;
using forms::ControlKind;

constexpr uint32_t kLavender = 0x00FFC0C0;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kOrange = 0x0080C0FF;

ControlDescription List(int16_t member, int left, int top, int width,
                        bool visible, int tab_index,
                        std::span<const std::string_view> rows) {
  return {.array = kListArray,
          .member = member,
          .kind = ControlKind::kListBox,
          .left = left,
          .top = top,
          .width = width,
          .height = 1485,
          .visible = visible,
          .tab_index = tab_index,
          .rows = rows};
}

ControlDescription Option(int16_t member, int top, int tab_index) {
  return {.array = kOptionArray,
          .member = member,
          .kind = ControlKind::kOptionButton,
          .container = kFrameName,
          .left = 120,
          .top = top,
          .width = 1215,
          .height = 400,
          .tab_index = tab_index,
          .back_color = kGreen,
          .caption = quiz::kGaitCaptions[member]};
}

ControlDescription TextBox(int16_t member, int left, int top, int width,
                           bool visible, int tab_index, std::string_view text) {
  return {.array = kTextArray,
          .member = member,
          .kind = ControlKind::kTextBox,
          .left = left,
          .top = top,
          .width = width,
          .height = 1815,
          .visible = visible,
          .tab_index = tab_index,
          .caption = text,
          .multi_line = true,
          .locked = true};
}

ControlDescription Label(int16_t member, int left, int top, int width,
                         int tab_index, std::string_view caption) {
  return {.array = kLabelArray,
          .member = member,
          .kind = ControlKind::kLabel,
          .left = left,
          .top = top,
          .width = width,
          .height = 375,
          .tab_index = tab_index,
          .back_color = kOrange,
          .caption = caption,
          .alignment = Alignment::kCentre};
}

}  // namespace

const forms::FormDescription& TrovanelLayout() {
  // In the order of the window description; the hidden key lists hold the
  // answer keys that every check reads back.
  static const std::array<ControlDescription, 13> controls = {
      List(kDescriptionKeyList, 2280, 2760, 495, false, 12,
           quiz::kDescriptionKeys),
      List(kGaitKeyList, 1680, 2760, 495, false, 11, quiz::kGaitKeys),
      List(kDescriptionList, 1680, 1080, 6135, true, 9, quiz::kDescriptions),
      ControlDescription{.array = kFrameName,
                         .kind = ControlKind::kFrame,
                         .left = 120,
                         .top = 600,
                         .width = 1455,
                         .height = 2295,
                         .tab_index = 3,
                         .back_color = kLavender,
                         .caption = quiz::kFrameCaption},
      Option(2, 1080, 8),
      Option(1, 720, 7),
      Option(0, 360, 6),
      Option(3, 1440, 5),
      Option(4, 1800, 4),
      TextBox(kMottoBox, 480, 4080, 6735, false, 1, quiz::kMotto),
      TextBox(kMessageBox, 240, 3240, 7575, true, 0, quiz::kStartText),
      Label(1, 1680, 720, 6135, 10, quiz::kListHeading),
      Label(0, 960, 0, 4575, 2, quiz::kTitleCaption),
  };
  static const forms::FormDescription layout = {
      .name = "Trovanel",
      .title = quiz::kWindowTitle,
      .client_width = 7905,
      .client_height = 5175,
      .back_color = kLavender,
      .font = {.name = "Times New Roman",
               .points = 12,
               .weight = 400,
               .charset = 204},
      .controls = controls,
  };
  return layout;
}

}  // namespace trovanel
