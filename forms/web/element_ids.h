#ifndef TROVANEL_FORMS_WEB_ELEMENT_IDS_H_
#define TROVANEL_FORMS_WEB_ELEMENT_IDS_H_

#include <string>

#include "forms/core/form_description.h"

namespace forms::web {

// The id of a control's element on the page, e.g. "Option1_3" or "Frame1":
// the generated markup and the module that binds to it agree through this.
std::string ElementId(const ControlDescription& control);

// The id of row `row` of a list's element.
std::string RowId(const ControlDescription& list, int row);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_ELEMENT_IDS_H_
