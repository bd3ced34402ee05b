#ifndef TROVANEL_APP_BUILT_IN_LAYOUT_H_
#define TROVANEL_APP_BUILT_IN_LAYOUT_H_

#include "forms/core/form_description.h"

namespace trovanel {

// The window of the built-in exercise (quiz::BuiltInExercise()), made on
// first use and kept for the program's life.
const forms::FormDescription& BuiltInLayout();

}  // namespace trovanel

#endif  // TROVANEL_APP_BUILT_IN_LAYOUT_H_
