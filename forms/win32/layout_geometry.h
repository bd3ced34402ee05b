#ifndef TROVANEL_FORMS_WIN32_LAYOUT_GEOMETRY_H_
#define TROVANEL_FORMS_WIN32_LAYOUT_GEOMETRY_H_

#include <vector>

#include "forms/core/controls.h"
#include "forms/core/form.h"

// In which order the native window creates, and so visits, its controls.
// Plain data, free of the Windows headers, so that it is checked on any
// machine.
namespace forms::win32 {

// The shown controls in the order of the native child windows, which is the
// keyboard order: by tab index, with the options of one container kept
// together at the place of their first tab index and ordered top to bottom
// (the arrow keys walk them in that order). Frames come last: they take no
// focus, and lying under the options they neither hide nor catch a click.
std::vector<Control*> NavigationOrder(const Form& form);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_LAYOUT_GEOMETRY_H_
