#include "quiz/exercise.h"

namespace quiz {

int RightDescription(const Exercise& exercise, size_t option) {
  if (option >= exercise.option_keys.size()) return -1;
  for (size_t row = 0; row < exercise.description_keys.size(); ++row) {
    if (exercise.description_keys[row] == exercise.option_keys[option]) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

std::string Summary(const Exercise& exercise) {
  std::string words;
  size_t chars = 0;
  size_t last_blank = std::string::npos;
  for (const char c : exercise.start_text) {
    const bool blank = c == ' ' || c == '\r' || c == '\n' || c == '\t';
    if (blank && (words.empty() || words.back() == ' ')) continue;
    const bool starts_char = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (starts_char && ++chars > kMaxSummaryChars) {
      if (last_blank != std::string::npos) words.resize(last_blank);
      return words + "…";
    }
    if (blank) last_blank = words.size();
    words += blank ? ' ' : c;
  }
  if (!words.empty() && words.back() == ' ') words.pop_back();
  return words;
}

}  // namespace quiz
