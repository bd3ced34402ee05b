#ifndef TROVANEL_TESTS_SUPPORT_FORM_LOOKUP_H_
#define TROVANEL_TESTS_SUPPORT_FORM_LOOKUP_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "forms/core/form.h"

namespace trovanel_test {

std::string ControlName(std::string_view array, int16_t member);

// A control of the form, of the kind asked for. Throws std::logic_error
// naming it when there is none, which a test reports as a failure.
template <typename T = forms::Control>
T& FindControl(const forms::Form& form, std::string_view array,
               int16_t member = forms::kNoMember) {
  T* control = nullptr;
  if (form.FindAs(array, member, &control) != forms::CallStatus::kOk) {
    throw std::logic_error("no control " + ControlName(array, member));
  }
  return *control;
}

// A control's row of a window description; throws as above.
const forms::ControlDescription& FindDescription(
    const forms::FormDescription& layout, std::string_view array,
    int16_t member = forms::kNoMember);

// The member of the array's one chosen option: -1 when none is chosen, -2
// when more than one is.
int ChosenMember(const forms::Form& form, std::string_view array);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_FORM_LOOKUP_H_
