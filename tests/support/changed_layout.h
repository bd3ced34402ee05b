#ifndef TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_
#define TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "forms/core/form_description.h"

namespace trovanel_test {

// The built-in exercise's layout with one control changed, or removed when no
// change is given: how faults are injected into a real form.
class ChangedLayout {
 public:
  using Change = std::function<void(forms::ControlDescription&)>;
  ChangedLayout(std::string_view array, int16_t member,
                const Change& change = {});
  ChangedLayout(const ChangedLayout&) = delete;
  ChangedLayout& operator=(const ChangedLayout&) = delete;

  // The gait-key list cut to its first `rows` rows: the first check that
  // reads a later row fails.
  static ChangedLayout ShortGaitKeys(size_t rows);

  const forms::FormDescription& layout() const { return layout_; }

 private:
  std::vector<forms::ControlDescription> controls_;
  forms::FormDescription layout_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_CHANGED_LAYOUT_H_
