// Any bytes as an exercise file: the loader gives an exercise or a located
// error, never a crash; an exercise goes through a one-file page's text form
// unchanged and gets a window that the forms runtime accepts, whose controls
// lie within it when it is not too large.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "forms/core/form.h"
#include "forms/core/geometry.h"
#include "quiz/exercise_file.h"
#include "quiz/exercise_text.h"
#include "app/exercise_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quiz::LoadedExercise loaded = quiz::ParseExercise(bytes, "fuzz.trovanel");
  if (const auto* error = std::get_if<quiz::ExerciseError>(&loaded)) {
    if (error->message.empty() || error->line < 0 || error->column < 0) {
      std::abort();
    }
    return 0;
  }
  const auto& exercise = std::get<quiz::Exercise>(loaded);
  if (exercise.options.size() < quiz::kMinPairs ||
      exercise.options.size() > quiz::kMaxPairs ||
      exercise.descriptions.size() < quiz::kMinPairs ||
      exercise.descriptions.size() > quiz::kMaxPairs) {
    std::abort();
  }
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    if (quiz::RightDescription(exercise, option) < 0) std::abort();
  }
  if (quiz::ReadExerciseText(quiz::WriteExerciseText(exercise)) != exercise) {
    std::abort();
  }
  const trovanel::ExerciseLayout layout(exercise);
  if (!layout.TooLarge().empty()) return 0;
  const forms::FormDescription& window = layout.description();
  const forms::Form form(window);
  const forms::Rect client = forms::ClientRect(window, 96);
  for (const forms::ControlDescription& control : window.controls) {
    if (control.visible &&
        !client.Contains(forms::ControlRect(window, control, 96))) {
      std::abort();
    }
  }
  return 0;
}
