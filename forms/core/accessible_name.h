#ifndef TROVANEL_FORMS_CORE_ACCESSIBLE_NAME_H_
#define TROVANEL_FORMS_CORE_ACCESSIBLE_NAME_H_

#include <string_view>
#include <vector>

#include "forms/core/form.h"

namespace forms {

// The label that names a list or a text box for a screen reader: the shown
// label of the same container that sits right on its top edge, as a heading
// does. nullptr when there is none, and for every other kind of control.
const Label* LabelOf(const Form& form, const Control& control);

// What a screen reader calls a control: the name the description gives it
// for screen readers, else its own caption (option, frame, label), else the
// caption of its label; empty when it has none of these.
std::string_view AccessibleName(const Form& form, const Control& control);

// The shown controls directly in `container` (nullptr: the window) in
// reading order: top to bottom, then left to right, as a screen reader
// meets them.
std::vector<const Control*> ReadingOrder(const Form& form,
                                         const Control* container);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_ACCESSIBLE_NAME_H_
