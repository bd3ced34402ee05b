#ifndef TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_
#define TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_

#include <string_view>

namespace forms::web {

// Files of this folder built in without their comments and line breaks.

// page_style.css: the look of each kind of control, the same for every form.
extern const std::string_view kKindRules;

// page_column.css: the form as one column, the rules that apply where the
// form is wider than the screen.
extern const std::string_view kColumnRules;

// packed_module.js: defines startPackedModule(win, packed, settings), which
// unpacks and runs a module packed as a page in one file carries it.
extern const std::string_view kPackedModuleStarter;

// page_alert.js: defines showPageAlert(text[, doc]), the page's message in
// its form's place, showModuleFailure(why[, doc]), the one for a module that
// cannot start, and tellFailuresBeforeStart([win]), which shows that one for
// whatever fails before the module has bound to the form.
extern const std::string_view kPageAlert;

// platform_layer.js: defines startPlatformLayer(win, settings), which reports
// the pupil's checks to a learning platform the page was started in, and
// FirstTries, the score it reports.
extern const std::string_view kPlatformLayer;

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_EMBEDDED_TEXTS_H_
