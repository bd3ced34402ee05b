#include "app/built_in_layout.h"

#include "quiz/built_in_exercise.h"
#include "app/exercise_layout.h"

namespace trovanel {

const forms::FormDescription& BuiltInLayout() {
  static const ExerciseLayout kLayout(quiz::BuiltInExercise());
  return kLayout.description();
}

}  // namespace trovanel
