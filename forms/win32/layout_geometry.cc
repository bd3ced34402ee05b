#include "forms/win32/layout_geometry.h"

#include <algorithm>
#include <climits>
#include <map>
#include <tuple>


namespace forms::win32 {

std::vector<Control*> NavigationOrder(const Form& form) {
  std::map<const Control*, int> group_tab_index;
  for (const auto& control : form.controls()) {
    if (control->kind() != ControlKind::kOptionButton) continue;
    auto [entry, added] =
        group_tab_index.try_emplace(control->container(), INT_MAX);
    entry->second = std::min(entry->second, control->description().tab_index);
  }

  // (frame last, tab index of the group, top, tab index)
  using Key = std::tuple<bool, int, int, int>;
  auto key = [&group_tab_index](const Control* control) {
    const ControlDescription& own = control->description();
    if (control->kind() == ControlKind::kOptionButton) {
      return Key{false, group_tab_index.at(control->container()), own.top,
                 own.tab_index};
    }
    return Key{control->kind() == ControlKind::kFrame, own.tab_index, INT_MIN,
               own.tab_index};
  };

  std::vector<Control*> order;
  for (const auto& control : form.controls()) {
    if (control->description().visible) order.push_back(control.get());
  }
  std::stable_sort(
      order.begin(), order.end(),
      [&key](const Control* a, const Control* b) { return key(a) < key(b); });
  return order;
}

}  // namespace forms::win32
