#ifndef TROVANEL_QUIZ_EXERCISE_FILE_H_
#define TROVANEL_QUIZ_EXERCISE_FILE_H_

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quiz/exercise.h"

// Exercise files (.trovanel): TOML in UTF-8, a byte-order mark allowed, LF
// or CR LF; a file that is not valid UTF-8 is read as Windows-1251.
namespace quiz {

// What is wrong with a file, in Bulgarian; line and column count from 1,
// 0 where the fault has no place in the file.
struct ExerciseError {
  std::string file;
  int line = 0;
  int column = 0;
  std::string message;
  // The text it concerns, for an editor to show it there: a top-level key
  // ("start-text"), a key of the n-th table counting from 0
  // ("option.2.right"), a table's name for their number ("description"), or
  // empty for the file as a whole.
  std::string field = {};

  // "FILE:LINE:COLUMN: message", or "FILE: message".
  std::string Text() const;
};

using LoadedExercise = std::variant<Exercise, ExerciseError>;

// What a file says that its exercise does not keep, for an editor to write
// the file again as the teacher wrote it.
struct FileWording {
  // The descriptions' own names, by which options point at them, in the
  // order of the descriptions.
  std::vector<std::string> description_names;
  // The language as the file gives it; empty when it leaves it to the texts.
  std::string language;
};

// The exercise in `bytes`, the contents of the file named `file_name`; when
// it loads and `wording` is given, also what the file says of its names.
LoadedExercise ParseExercise(std::string_view bytes, std::string_view file_name,
                             FileWording* wording = nullptr);

// Reads an opened file to its end (it stays open); nothing on a read error.
std::optional<std::string> ReadWholeFile(std::FILE* file);

// The error for a file that cannot be opened or read.
ExerciseError UnreadableFile(std::string_view file_name);

// The text as UTF-8: without a byte-order mark, and converted from
// Windows-1251 when it is not valid UTF-8.
std::string DecodeExerciseText(std::string_view bytes);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_FILE_H_
