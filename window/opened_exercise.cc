#include "window/opened_exercise.h"

#include <variant>

#include "quiz/exercise_file.h"

namespace trovanel {

OpenedExercise::OpenedExercise(const std::optional<std::string>& bytes,
                               std::string_view file_name) {
  if (!bytes) {
    error_ = quiz::UnreadableFile(file_name).Text();
    return;
  }
  quiz::LoadedExercise loaded = quiz::ParseExercise(*bytes, file_name);
  if (const auto* error = std::get_if<quiz::ExerciseError>(&loaded)) {
    error_ = error->Text();
    return;
  }
  exercise_ = std::move(std::get<quiz::Exercise>(loaded));
  auto layout = std::make_unique<ExerciseLayout>(exercise_);
  if (std::string too_large = layout->TooLarge(); !too_large.empty()) {
    error_ = quiz::ExerciseError{.file = std::string(file_name),
                                 .message = std::move(too_large)}
                 .Text();
    return;
  }
  layout_ = std::move(layout);
}

}  // namespace trovanel
