#include "quiz/exercise_formats.h"

#include <algorithm>

#include "quiz/exercise_file_writer.h"
#include "quiz/gift_reader.h"
#include "quiz/gift_writer.h"

namespace quiz {

bool HasExtension(std::string_view file_name, std::string_view extension) {
  if (file_name.size() < extension.size()) return false;
  return std::equal(extension.begin(), extension.end(),
                    file_name.end() - static_cast<long>(extension.size()),
                    [](char a, char b) {
                      return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
                    });
}

FileText AsExerciseFile(std::string bytes, std::string_view file_name) {
  if (!HasExtension(file_name, ".gift")) return bytes;
  LoadedExercise read = ReadGiftQuestion(bytes, file_name);
  if (auto* error = std::get_if<ExerciseError>(&read)) return *error;
  return WriteExerciseFile(std::get<Exercise>(read));
}

std::optional<FileText> ExerciseAs(const Exercise& exercise,
                                   std::string_view file_name,
                                   std::string_view exercise_name) {
  if (HasExtension(file_name, ".gift")) {
    return WriteGiftQuestion(exercise, exercise_name);
  }
  if (HasExtension(file_name, ".trovanel")) return WriteExerciseFile(exercise);
  return std::nullopt;
}

}  // namespace quiz
