#ifndef TROVANEL_APP_OPENED_EXERCISE_H_
#define TROVANEL_APP_OPENED_EXERCISE_H_

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "quiz/exercise.h"
#include "quiz/exercise_file.h"
#include "app/exercise_layout.h"

namespace trovanel {

// The caption of the dialog that tells why a file cannot be shown.
inline constexpr const char* kBadExerciseTitle =
    "Упражнението не може да се отвори";

// The bytes of an exercise file the caller opened for reading (null when it
// could not), which it closes: nothing when it cannot be read or is longer
// than any exercise (quiz::ReadWholeFile).
std::optional<std::string> ReadExerciseFile(std::FILE* opened);

// An exercise file given on the command line: its content and window, or
// the one line that says why it cannot be shown ("FILE:LINE:COLUMN: ...").
class OpenedExercise {
 public:
  // `bytes` is the file's contents, nothing when it could not be read;
  // `file_name` names it in the messages.
  OpenedExercise(const std::optional<std::string>& bytes,
                 std::string_view file_name);

  bool ok() const { return layout_ != nullptr; }
  // Only when not ok(): the one line, and what it is made of (the field
  // the fault is in among them).
  std::string error() const { return fault_.Text(); }
  const quiz::ExerciseError& fault() const { return fault_; }
  // Only when ok().
  const quiz::Exercise& exercise() const { return exercise_; }
  const forms::FormDescription& layout() const {
    return layout_->description();
  }

 private:
  quiz::Exercise exercise_;
  std::unique_ptr<ExerciseLayout> layout_;
  quiz::ExerciseError fault_;
};

}  // namespace trovanel

#endif  // TROVANEL_APP_OPENED_EXERCISE_H_
