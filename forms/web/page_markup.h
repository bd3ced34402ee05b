#ifndef TROVANEL_FORMS_WEB_PAGE_MARKUP_H_
#define TROVANEL_FORMS_WEB_PAGE_MARKUP_H_

#include <string>
#include <string_view>

#include "forms/core/form.h"

namespace forms::web {

// What the page says of its own when its module cannot start, in the
// language of its texts.
struct PageWords {
  std::string_view cannot_start;  // before why
  std::string_view not_loaded;    // after the name of a file that did not load
  std::string_view script_off;    // why, when the browser runs no script
};

// What the page needs beyond the form: the language of its texts, its own
// words and the file names of its companions, relative to the page.
struct PageFiles {
  std::string_view language;     // e.g. "bg"
  PageWords words;
  std::string_view description;  // what a search engine shows, if any
  std::string_view script;       // the module's JavaScript
  std::string_view module;       // its WebAssembly, fetched early
  std::string_view icon;         // a PNG
  // A page in one file: the module packed into base64 text (see
  // packed_module.js), inlined after the form and started once the form has
  // painted (script and module are then not used), and plain text for the
  // module to read from the element kPageDataId (it must not contain "<").
  std::string_view packed_module = {};
  std::string_view data = {};
  // A script of the page's own beside the form (none for most pages).
  std::string_view extra_script = {};
};

inline constexpr const char* kPageDataId = "page-data";

// The whole page of a form: every visible control as a positioned element
// with its texts and the model's present state, so that the browser paints the
// form before the module arrives. The form is inert until the module has bound
// to it; hidden controls are left out. The form's element carries the words
// that the page's scripts need (page_alert.js).
std::string PageMarkup(const Form& form, const PageFiles& files);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_PAGE_MARKUP_H_
