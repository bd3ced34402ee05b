#include "tests/support/changed_layout.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/form_lookup.h"
#include "window/trovanel_layout.h"

namespace trovanel_test {

ChangedLayout::ChangedLayout(const std::function<void(Controls&)>& change)
    : controls_(trovanel::TrovanelLayout().controls.begin(),
                trovanel::TrovanelLayout().controls.end()),
      layout_(trovanel::TrovanelLayout()) {
  change(controls_);
  layout_.controls = controls_;
}

ChangedLayout ChangedLayout::ShortGaitKeys(size_t rows) {
  return ChangedLayout([rows](Controls& controls) {
    auto& list = Find(controls, trovanel::kListArray, trovanel::kGaitKeyList);
    list.rows = list.rows.first(std::min(rows, list.rows.size()));
  });
}

forms::ControlDescription& ChangedLayout::Find(Controls& controls,
                                               std::string_view array,
                                               int16_t member) {
  auto found = std::ranges::find_if(controls, [&](const auto& control) {
    return control.array == array && control.member == member;
  });
  if (found == controls.end()) {
    throw std::logic_error("no control " + ControlName(array, member));
  }
  return *found;
}

void ChangedLayout::Remove(Controls& controls, std::string_view array,
                           int16_t member) {
  const auto& found = Find(controls, array, member);
  controls.erase(controls.begin() + (&found - controls.data()));
}

}  // namespace trovanel_test
