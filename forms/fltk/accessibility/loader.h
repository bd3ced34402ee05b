#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_LOADER_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_LOADER_H_

#include <memory>

#include "forms/core/form.h"
#include "forms/fltk/accessibility/layer.h"
#include "forms/fltk/fltk_form.h"

namespace forms::fltk::accessibility {

// Publishes the window for screen readers when an accessibility bus may be
// there: loads the module (next to the program, or where it is installed)
// and starts its layer. nullptr, at no cost, when there is no bus; nullptr
// too when the module or the bridge is missing, and the program runs on.
// The layer must go before the window.
std::unique_ptr<Layer> StartAccessibility(const Form& form, FltkForm& window);

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_LOADER_H_
