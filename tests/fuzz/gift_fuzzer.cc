// Any bytes as a GIFT file: the reader gives an exercise or a located
// error, never a crash; an exercise it gives goes through a GIFT question
// and comes back the same, unless it has too few descriptions for one. A
// question keeps pairs, not the order of the answers, so descriptions are
// compared as a set and each option by the text of its right description.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "quiz/exercise.h"
#include "quiz/gift_reader.h"
#include "quiz/gift_writer.h"

namespace {

// The exercise with its descriptions in text order and each option's key
// the text of its right description.
quiz::Exercise Unordered(quiz::Exercise exercise) {
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    const int right = quiz::RightDescription(exercise, option);
    exercise.option_keys[option] =
        right < 0 ? "" : exercise.descriptions[static_cast<size_t>(right)];
  }
  std::sort(exercise.descriptions.begin(), exercise.descriptions.end());
  exercise.description_keys = exercise.descriptions;
  return exercise;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const quiz::LoadedExercise read = quiz::ReadGiftQuestion(bytes, "fuzz.gift");
  if (const auto* error = std::get_if<quiz::ExerciseError>(&read)) {
    if (error->message.empty() || error->line < 0 || error->column < 0) {
      std::abort();
    }
    return 0;
  }
  const auto& exercise = std::get<quiz::Exercise>(read);
  const quiz::WrittenGift gift = quiz::WriteGiftQuestion(exercise, "fuzz");
  if (std::holds_alternative<quiz::ExerciseError>(gift)) {
    if (exercise.descriptions.size() >= 3) std::abort();
    return 0;
  }
  const quiz::LoadedExercise again =
      quiz::ReadGiftQuestion(std::get<std::string>(gift), "fuzz.gift");
  const auto* same = std::get_if<quiz::Exercise>(&again);
  if (same == nullptr || Unordered(*same) != Unordered(exercise)) std::abort();
  return 0;
}
