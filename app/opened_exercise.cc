#include "app/opened_exercise.h"

#include <variant>

namespace trovanel {

std::optional<std::string> ReadExerciseFile(std::FILE* opened) {
  if (opened == nullptr) return std::nullopt;
  std::optional<std::string> bytes = quiz::ReadWholeFile(opened);
  std::fclose(opened);
  return bytes;
}

OpenedExercise::OpenedExercise(const std::optional<std::string>& bytes,
                               std::string_view file_name) {
  if (!bytes) {
    fault_ = quiz::UnreadableFile(file_name);
    return;
  }
  quiz::LoadedExercise loaded = quiz::ParseExercise(*bytes, file_name);
  if (const auto* error = std::get_if<quiz::ExerciseError>(&loaded)) {
    fault_ = *error;
    return;
  }
  exercise_ = std::move(std::get<quiz::Exercise>(loaded));
  auto layout = std::make_unique<ExerciseLayout>(exercise_);
  if (std::string too_large = layout->TooLarge(); !too_large.empty()) {
    fault_ = {.file = std::string(file_name), .message = std::move(too_large)};
    return;
  }
  layout_ = std::move(layout);
}

}  // namespace trovanel
