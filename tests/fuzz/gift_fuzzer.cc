// Any bytes as a GIFT file: the reader gives an exercise or a located
// error, never a crash; an exercise it gives goes through a GIFT question
// and comes back the same, unless it has too few descriptions for one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "quiz/gift_reader.h"
#include "quiz/gift_writer.h"

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
  if (same == nullptr || *same != exercise) std::abort();
  return 0;
}
