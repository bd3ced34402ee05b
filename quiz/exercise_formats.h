#ifndef TROVANEL_QUIZ_EXERCISE_FORMATS_H_
#define TROVANEL_QUIZ_EXERCISE_FORMATS_H_

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "quiz/exercise.h"
#include "quiz/exercise_file.h"
#include "quiz/gift_writer.h"

// The files an exercise is read from and written to, told by their
// extension: ".gift" a GIFT question, ".trovanel" an exercise file.
namespace quiz {

// Whether `file_name` ends in `extension` (".gift"), in any case.
bool HasExtension(std::string_view file_name, std::string_view extension);

// A file's text, or why there is none.
using FileText = WrittenGift;

// The contents of `file_name` as an exercise file's text: a GIFT file's
// question written as one, any other file as it is.
FileText AsExerciseFile(std::string bytes, std::string_view file_name);

// What to write to `file_name` for `exercise` (read from `exercise_name`),
// a GIFT question or an exercise file; nothing for any other extension.
std::optional<FileText> ExerciseAs(const Exercise& exercise,
                                   std::string_view file_name,
                                   std::string_view exercise_name);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_FORMATS_H_
