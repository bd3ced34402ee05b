#ifndef TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_
#define TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "forms/core/form_description.h"

namespace trovanel_test {

// The Trovanel layout with some of its controls changed or removed: how
// faults are injected into a real form.
class ChangedLayout {
 public:
  using Controls = std::vector<forms::ControlDescription>;
  explicit ChangedLayout(const std::function<void(Controls&)>& change);
  ChangedLayout(const ChangedLayout&) = delete;
  ChangedLayout& operator=(const ChangedLayout&) = delete;

  // The layout with its gait-key list cut to `rows` rows: the first check
  // that reads a later row fails.
  static ChangedLayout ShortGaitKeys(size_t rows);

  const forms::FormDescription& layout() const { return layout_; }

  // For the change: a control of the list, which must be there.
  static forms::ControlDescription& Find(Controls& controls,
                                         std::string_view array,
                                         int16_t member);
  static void Remove(Controls& controls, std::string_view array,
                     int16_t member);

 private:
  Controls controls_;
  forms::FormDescription layout_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_
