#ifndef TROVANEL_QUIZ_EXERCISE_TEXT_H_
#define TROVANEL_QUIZ_EXERCISE_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "quiz/exercise.h"

// An exercise as plain text for a page to carry: one field a line, with
// backslash, line ends and "<" escaped, so the text sits safely inside an
// HTML element. Written by the page tool and read by the page's module,
// which thus needs no TOML parser.
namespace quiz {

std::string WriteExerciseText(const Exercise& exercise);

// Nothing when the text is not one that WriteExerciseText wrote.
std::optional<Exercise> ReadExerciseText(std::string_view text);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_TEXT_H_
