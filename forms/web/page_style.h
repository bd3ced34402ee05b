#ifndef TROVANEL_FORMS_WEB_PAGE_STYLE_H_
#define TROVANEL_FORMS_WEB_PAGE_STYLE_H_

#include <cstdint>
#include <string>

#include "forms/core/form.h"

namespace forms::web {

// CSS pixels are 1/96 inch; the browser's zoom scales them.
inline constexpr int kCssDpi = 96;

// The page's style sheet: the form's colour and font, the look of each kind
// of control, and each visible control's box, at 96 CSS pixels an inch so
// that the browser's zoom scales the whole form; on a screen narrower than
// the form, the form as one column.
std::string PageStyle(const Form& form);

// "#rrggbb" of a colour stored as 0x00BBGGRR.
std::string CssColor(uint32_t stored);

}  // namespace forms::web

#endif  // TROVANEL_FORMS_WEB_PAGE_STYLE_H_
