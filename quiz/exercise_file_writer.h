#ifndef TROVANEL_QUIZ_EXERCISE_FILE_WRITER_H_
#define TROVANEL_QUIZ_EXERCISE_FILE_WRITER_H_

#include <string>
#include <vector>

#include "quiz/exercise.h"

namespace quiz {

// The exercise as a .trovanel file, which ParseExercise reads back to the
// same exercise: texts in the file's order, line ends as LF (the loader
// makes them CR LF again), descriptions named by `description_names` (one
// for each, else by their number from 1). An option whose key matches no
// description gets no right description, and the loader then says so. An
// empty language is left for the loader to tell from the texts.
std::string WriteExerciseFile(
    const Exercise& exercise,
    const std::vector<std::string>& description_names = {});

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_FILE_WRITER_H_
