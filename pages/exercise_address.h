#ifndef TROVANEL_PAGES_EXERCISE_ADDRESS_H_
#define TROVANEL_PAGES_EXERCISE_ADDRESS_H_

#include <string_view>

namespace trovanel {

// Whether a page may open the exercise file `name` (the page's `exercise`
// parameter, decoded): only a .trovanel file in the page's own folder, so
// that the page reads nothing from another folder or site. A name that the
// server would decode again (%) or that a browser mends (control
// characters) is refused too.
bool IsBesideThePage(std::string_view name);

}  // namespace trovanel

#endif  // TROVANEL_PAGES_EXERCISE_ADDRESS_H_
