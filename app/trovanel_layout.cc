#include "app/trovanel_layout.h"

#include <array>
#include <string_view>

namespace trovanel {
namespace {

using forms::Alignment;
using forms::ControlDescription;
using forms::ControlKind;

constexpr uint32_t kLavender = 0x00FFC0C0;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kOrange = 0x0080C0FF;

// The window's own, whatever the exercise: never shown, never read.
constexpr std::string_view kMotto =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

}  // namespace

const forms::FormDescription& TrovanelLayout() {
  // In the order of the window description. The exercise's texts go on
  // these controls (ExerciseLayout); the hidden key lists then hold the
  // answer keys that every check reads back.
  static const std::array<ControlDescription, 13> kControls = {{
      {.array = kListArray,
       .member = kDescriptionKeyList,
       .kind = ControlKind::kListBox,
       .left = 2280,
       .top = 2760,
       .width = 495,
       .height = 1485,
       .visible = false,
       .tab_index = 12},
      {.array = kListArray,
       .member = kGaitKeyList,
       .kind = ControlKind::kListBox,
       .left = 1680,
       .top = 2760,
       .width = 495,
       .height = 1485,
       .visible = false,
       .tab_index = 11},
      {.array = kListArray,
       .member = kDescriptionList,
       .kind = ControlKind::kListBox,
       .left = 1680,
       .top = 1080,
       .width = 6135,
       .height = 1485,
       .visible = true,
       .tab_index = 9},
      {.array = kFrameName,
       .kind = ControlKind::kFrame,
       .left = 120,
       .top = 600,
       .width = 1455,
       .height = 2295,
       .visible = true,
       .tab_index = 3,
       .back_color = kLavender},
      {.array = kOptionArray,
       .member = 2,
       .kind = ControlKind::kOptionButton,
       .container = kFrameName,
       .left = 120,
       .top = 1080,
       .width = 1215,
       .height = 400,
       .visible = true,
       .tab_index = 8,
       .back_color = kGreen},
      {.array = kOptionArray,
       .member = 1,
       .kind = ControlKind::kOptionButton,
       .container = kFrameName,
       .left = 120,
       .top = 720,
       .width = 1215,
       .height = 400,
       .visible = true,
       .tab_index = 7,
       .back_color = kGreen},
      {.array = kOptionArray,
       .member = 0,
       .kind = ControlKind::kOptionButton,
       .container = kFrameName,
       .left = 120,
       .top = 360,
       .width = 1215,
       .height = 400,
       .visible = true,
       .tab_index = 6,
       .back_color = kGreen},
      {.array = kOptionArray,
       .member = 3,
       .kind = ControlKind::kOptionButton,
       .container = kFrameName,
       .left = 120,
       .top = 1440,
       .width = 1215,
       .height = 400,
       .visible = true,
       .tab_index = 5,
       .back_color = kGreen},
      {.array = kOptionArray,
       .member = 4,
       .kind = ControlKind::kOptionButton,
       .container = kFrameName,
       .left = 120,
       .top = 1800,
       .width = 1215,
       .height = 400,
       .visible = true,
       .tab_index = 4,
       .back_color = kGreen},
      {.array = kTextArray,
       .member = kMottoBox,
       .kind = ControlKind::kTextBox,
       .left = 480,
       .top = 4080,
       .width = 6735,
       .height = 1815,
       .visible = false,
       .tab_index = 1,
       .caption = kMotto,
       .multi_line = true,
       .locked = true},
      {.array = kTextArray,
       .member = kMessageBox,
       .kind = ControlKind::kTextBox,
       .left = 240,
       .top = 3240,
       .width = 7575,
       .height = 1815,
       .visible = true,
       .tab_index = 0,
       .multi_line = true,
       .locked = true,
       .accessible_name = "Съобщение"},
      {.array = kLabelArray,
       .member = 1,
       .kind = ControlKind::kLabel,
       .left = 1680,
       .top = 720,
       .width = 6135,
       .height = 375,
       .visible = true,
       .tab_index = 10,
       .back_color = kOrange,
       .alignment = Alignment::kCentre},
      {.array = kLabelArray,
       .member = 0,
       .kind = ControlKind::kLabel,
       .left = 960,
       .top = 0,
       .width = 4575,
       .height = 375,
       .visible = true,
       .tab_index = 2,
       .back_color = kOrange,
       .alignment = Alignment::kCentre,
       .heading = true},
  }};
  static const forms::FormDescription kLayout = {
      .name = "Trovanel",
      .client_width = 7905,
      .client_height = 5175,
      .back_color = kLavender,
      .font = {.name = "Times New Roman",
               .points = 12,
               .weight = 400,
               .charset = 204},
      .controls = kControls,
  };
  return kLayout;
}

}  // namespace trovanel
