#include "tests/support/changed_layout.h"

#include <algorithm>

#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/trovanel_layout.h"

namespace trovanel_test {

ChangedLayout::ChangedLayout(std::string_view array, int16_t member,
                             const Change& change)
    : controls_(trovanel::BuiltInLayout().controls.begin(),
                trovanel::BuiltInLayout().controls.end()),
      layout_(trovanel::BuiltInLayout()) {
  const auto& found = FindDescription(trovanel::BuiltInLayout(), array, member);
  auto control =
      controls_.begin() + (&found - trovanel::BuiltInLayout().controls.data());
  if (change) {
    change(*control);
  } else {
    controls_.erase(control);
  }
  layout_.controls = controls_;
}

ChangedLayout ChangedLayout::ShortGaitKeys(size_t rows) {
  return ChangedLayout(trovanel::kListArray, trovanel::kGaitKeyList,
                       [rows](forms::ControlDescription& list) {
                         list.rows =
                             list.rows.first(std::min(rows, list.rows.size()));
                       });
}

}  // namespace trovanel_test
