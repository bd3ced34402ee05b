#include "tests/support/form_lookup.h"

namespace trovanel_test {

std::string ControlName(std::string_view array, int16_t member) {
  std::string name(array);
  if (member != forms::kNoMember) name += "(" + std::to_string(member) + ")";
  return name;
}

const forms::ControlDescription& FindDescription(
    const forms::FormDescription& layout, std::string_view array,
    int16_t member) {
  for (const auto& control : layout.controls) {
    if (control.array == array && control.member == member) return control;
  }
  throw std::logic_error("no control " + ControlName(array, member) +
                         " in the layout");
}

int ChosenMember(const forms::Form& form, std::string_view array) {
  int chosen = -1;
  for (const auto& control : form.controls()) {
    const auto* option =
        dynamic_cast<const forms::OptionButton*>(control.get());
    if (option != nullptr && option->array() == array && option->chosen()) {
      chosen = chosen == -1 ? option->member() : -2;
    }
  }
  return chosen;
}

}  // namespace trovanel_test
