#include "forms/core/keyboard_order.h"

#include <algorithm>

namespace forms {
namespace {

bool ByTabIndex(const Control* a, const Control* b) {
  return a->description().tab_index < b->description().tab_index;
}

}  // namespace

KeyboardOrder::KeyboardOrder(const Form& form) {
  std::vector<Control*> focusable;
  for (const auto& control : form.controls()) {
    if (TakesFocus(*control)) focusable.push_back(control.get());
  }
  std::stable_sort(focusable.begin(), focusable.end(), ByTabIndex);
  for (Control* control : focusable) {
    if (control->kind() == ControlKind::kOptionButton) {
      auto group = std::find_if(stops_.begin(), stops_.end(), [&](auto& stop) {
        return stop.front()->kind() == ControlKind::kOptionButton &&
               stop.front()->container() == control->container();
      });
      if (group != stops_.end()) {
        group->push_back(control);
        continue;
      }
    }
    stops_.push_back({control});
  }
}

Control* KeyboardOrder::First() const {
  return stops_.empty() ? nullptr : Enter(stops_.front(), true);
}

Control* KeyboardOrder::Next(const Control& from, bool forward) const {
  if (stops_.empty()) return nullptr;
  const int count = static_cast<int>(stops_.size());
  const int here = StopOf(from);
  int next = 0;
  if (here < 0) {
    next = forward ? 0 : count - 1;
  } else {
    next = (here + (forward ? 1 : count - 1)) % count;
  }
  return Enter(stops_[next], forward);
}

OptionButton* KeyboardOrder::Neighbour(const OptionButton& option,
                                       int step) const {
  const int here = StopOf(option);
  if (here < 0) return nullptr;
  std::vector<Control*> on_screen = stops_[here];
  std::stable_sort(on_screen.begin(), on_screen.end(),
                   [](const Control* a, const Control* b) {
                     return a->description().top < b->description().top;
                   });
  const int count = static_cast<int>(on_screen.size());
  const int at =
      static_cast<int>(std::find(on_screen.begin(), on_screen.end(), &option) -
                       on_screen.begin());
  const int next = ((at + step) % count + count) % count;
  return static_cast<OptionButton*>(on_screen[next]);
}

Control* KeyboardOrder::Enter(const std::vector<Control*>& stop,
                              bool forward) const {
  for (Control* control : stop) {
    auto* option = dynamic_cast<OptionButton*>(control);
    if (option != nullptr && option->chosen()) return option;
  }
  return forward ? stop.front() : stop.back();
}

int KeyboardOrder::StopOf(const Control& control) const {
  for (size_t i = 0; i < stops_.size(); ++i) {
    if (std::find(stops_[i].begin(), stops_[i].end(), &control) !=
        stops_[i].end()) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace forms
