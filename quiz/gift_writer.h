#ifndef TROVANEL_QUIZ_GIFT_WRITER_H_
#define TROVANEL_QUIZ_GIFT_WRITER_H_

#include <string>
#include <string_view>
#include <variant>

#include "quiz/exercise.h"
#include "quiz/exercise_file.h"

namespace quiz {

// The GIFT text of an exercise, or why a learning platform's matching
// question cannot hold it; `file_name` names the exercise in the error.
using WrittenGift = std::variant<std::string, ExerciseError>;

// One matching question: the title caption as its name, the start text as
// its text, each option with its right description ("=option -> right"),
// each description right for no option as an answer without one
// ("= -> description"). Texts are plain ("[plain]"), their ends trimmed as
// GIFT readers trim them, line breaks written "\n". The other texts of the
// exercise have no place in the question.
WrittenGift WriteGiftQuestion(const Exercise& exercise,
                              std::string_view file_name);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_GIFT_WRITER_H_
