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

}  // namespace quiz
