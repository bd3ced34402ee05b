#ifndef TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_
#define TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_

#include <string_view>

namespace forms::web {

// Files of this folder built in without their comments and line breaks.

// page_style.css: the look of each kind of control, the same for every form.
extern const std::string_view kKindRules;

// packed_module.js: defines startPackedModule(win, packed, settings), which
// unpacks and runs a module packed as a page in one file carries it.
extern const std::string_view kPackedModuleStarter;

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_
