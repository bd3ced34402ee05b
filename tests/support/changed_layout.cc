#include "tests/support/changed_layout.h"

#include <algorithm>

#include "tests/support/form_lookup.h"
#include "window/trovanel_layout.h"

namespace trovanel_test {

ChangedLayout::ChangedLayout(std::string_view array, int16_t member,
                             const Change& change)
    : controls_(trovanel::TrovanelLayout().controls.begin(),
                trovanel::TrovanelLayout().controls.end()),
      layout_(trovanel::TrovanelLayout()) {
  const auto& found =
      FindDescription(trovanel::TrovanelLayout(), array, member);
  auto control =
      controls_.begin() + (&found - trovanel::TrovanelLayout().controls.data());
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
