#include "forms/core/geometry.h"

#include "forms/core/units.h"

namespace forms {
namespace {

const ControlDescription* FindContainer(const FormDescription& form,
                                        std::string_view name) {
  for (const ControlDescription& control : form.controls) {
    if (control.array == name && control.member == kNoMember) return &control;
  }
  return nullptr;
}

}  // namespace

Rect ControlRect(const FormDescription& form, const ControlDescription& control,
                 int dpi) {
  int left = control.left;
  int top = control.top;
  for (const ControlDescription* outer = FindContainer(form, control.container);
       outer != nullptr; outer = FindContainer(form, outer->container)) {
    left += outer->left;
    top += outer->top;
  }
  return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
          TwipsToPixels(control.width, dpi),
          TwipsToPixels(control.height, dpi)};
}

Rect ClientRect(const FormDescription& form, int dpi) {
  return {0, 0, TwipsToPixels(form.client_width, dpi),
          TwipsToPixels(form.client_height, dpi)};
}

}  // namespace forms
