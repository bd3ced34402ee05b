#include "forms/core/accessible_name.h"

#include <algorithm>
#include <cstdlib>

namespace forms {
namespace {

// The label's bottom edge meets the control's top edge (within half the
// label's height) and the two overlap side by side.
bool Heads(const ControlDescription& label, const ControlDescription& control) {
  const bool side_by_side = label.left < control.left + control.width &&
                            control.left < label.left + label.width;
  const int gap = control.top - (label.top + label.height);
  return side_by_side && label.top < control.top &&
         std::abs(gap) <= label.height / 2;
}

}  // namespace

const Label* LabelOf(const Form& form, const Control& control) {
  if (control.kind() != ControlKind::kListBox &&
      control.kind() != ControlKind::kTextBox) {
    return nullptr;
  }
  for (const auto& candidate : form.controls()) {
    auto* label = dynamic_cast<const Label*>(candidate.get());
    if (label && label->description().visible &&
        label->container() == control.container() &&
        Heads(label->description(), control.description())) {
      return label;
    }
  }
  return nullptr;
}

std::string_view AccessibleName(const Form& form, const Control& control) {
  if (!control.description().accessible_name.empty()) {
    return control.description().accessible_name;
  }
  switch (control.kind()) {
    case ControlKind::kOptionButton:
    case ControlKind::kFrame:
    case ControlKind::kLabel:
      return control.description().caption;
    case ControlKind::kListBox:
    case ControlKind::kTextBox:
      break;
  }
  const Label* label = LabelOf(form, control);
  return label ? label->description().caption : std::string_view();
}

std::vector<const Control*> ReadingOrder(const Form& form,
                                         const Control* container) {
  std::vector<const Control*> shown;
  for (const auto& control : form.controls()) {
    if (control->container() == container && control->description().visible) {
      shown.push_back(control.get());
    }
  }
  std::stable_sort(
      shown.begin(), shown.end(), [](const Control* a, const Control* b) {
        const ControlDescription& da = a->description();
        const ControlDescription& db = b->description();
        return da.top != db.top ? da.top < db.top : da.left < db.left;
      });
  return shown;
}

}  // namespace forms
