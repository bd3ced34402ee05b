#ifndef TROVANEL_QUIZ_GIFT_READER_H_
#define TROVANEL_QUIZ_GIFT_READER_H_

#include <string_view>

#include "quiz/exercise_file.h"

namespace quiz {

// The exercise of a GIFT file (gift_text.h) whose one question is a
// matching question: its title, its text as the start text, each pair an
// option and its right description (equal answers are one description),
// each answer without an option ("= -> answer") a description right for
// none; the other texts the schema's defaults. It passes the checks of a
// .trovanel file; a fault names `file_name` and the place in it.
LoadedExercise ReadGiftQuestion(std::string_view bytes,
                                std::string_view file_name);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_GIFT_READER_H_
