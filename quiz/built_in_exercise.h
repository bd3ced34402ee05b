#ifndef TROVANEL_QUIZ_BUILT_IN_EXERCISE_H_
#define TROVANEL_QUIZ_BUILT_IN_EXERCISE_H_

#include "quiz/exercise.h"

namespace quiz {

// The horse, shown when no file is given: exercises/horse-gaits.trovanel,
// built into the program and read with the file loader on first use.
const Exercise& BuiltInExercise();

}  // namespace quiz

#endif  // TROVANEL_QUIZ_BUILT_IN_EXERCISE_H_
