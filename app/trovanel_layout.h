#ifndef TROVANEL_APP_TROVANEL_LAYOUT_H_
#define TROVANEL_APP_TROVANEL_LAYOUT_H_

#include <cstdint>

#include "forms/core/form_description.h"
#include "quiz/quiz_view.h"

namespace trovanel {

// The window Trovanel and its thirteen controls, as data: places, kinds,
// colours, tab order and font, but none of an exercise's texts, which
// ExerciseLayout puts on them. The headless form and every backend build
// from this one table.
const forms::FormDescription& TrovanelLayout();

// Array names the code refers to.
inline constexpr const char* kListArray = "List1";
inline constexpr const char* kOptionArray = "Option1";
inline constexpr const char* kTextArray = "Text1";
inline constexpr const char* kLabelArray = "Label1";
inline constexpr const char* kFrameName = "Frame1";

using quiz::kDescriptionKeyList;
using quiz::kDescriptionList;
using quiz::kGaitKeyList;
inline constexpr int16_t kMessageBox = 0;
inline constexpr int16_t kMottoBox = 1;

}  // namespace trovanel

#endif  // TROVANEL_APP_TROVANEL_LAYOUT_H_
