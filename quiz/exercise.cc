#include "quiz/exercise.h"

#include "quiz/quiz_content.h"

namespace quiz {
namespace {

template <size_t N>
std::vector<std::string> Strings(const std::array<std::string_view, N>& rows) {
  return {rows.begin(), rows.end()};
}

}  // namespace

const Exercise& BuiltInExercise() {
  static const Exercise kBuiltIn = {
      .window_title = std::string(kWindowTitle),
      .title_caption = std::string(kTitleCaption),
      .frame_caption = std::string(kFrameCaption),
      .list_heading = std::string(kListHeading),
      .start_text = std::string(kStartText),
      .missing_choice_message = std::string(kMissingChoiceMessage),
      .correct_message = std::string(kCorrectMessage),
      .wrong_message = std::string(kWrongMessage),
      .options = Strings(kGaitCaptions),
      .descriptions = Strings(kDescriptions),
      .option_keys = Strings(kGaitKeys),
      .description_keys = Strings(kDescriptionKeys),
      .language = "bg",
  };
  return kBuiltIn;
}

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
