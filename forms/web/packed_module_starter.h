#ifndef TROVANEL_FORMS_WEB_PACKED_MODULE_STARTER_H_
#define TROVANEL_FORMS_WEB_PACKED_MODULE_STARTER_H_

#include <string_view>

namespace forms::web {

// packed_module.js, built in without its comments and line breaks: defines
// startPackedModule(win, packed, settings), which unpacks and runs a module
// packed as a page in one file carries it.
extern const std::string_view kPackedModuleStarter;

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_PACKED_MODULE_STARTER_H_
