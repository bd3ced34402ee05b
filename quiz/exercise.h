#ifndef TROVANEL_QUIZ_EXERCISE_H_
#define TROVANEL_QUIZ_EXERCISE_H_

#include <string>
#include <string_view>
#include <vector>

#include "quiz/exercise_schema.h"

// One exercise: every text of the window and which description is right for
// which option. Texts are UTF-8, multi-line ones with CR LF, kept exactly.
namespace quiz {

struct Exercise {
  std::string window_title;
  std::string title_caption;
  std::string frame_caption;
  std::string list_heading;
  std::string start_text;
  std::string missing_choice_message;
  std::string correct_message;
  std::string wrong_message;
  std::vector<std::string> options;       // in the order shown
  std::vector<std::string> descriptions;  // in the order shown
  // The rows of the two hidden key lists: an option is answered right by
  // the description whose key equals the option's key.
  std::vector<std::string> option_keys;
  std::vector<std::string> description_keys;
  // The language of the texts, a tag such as "bg" or "en", for a page to
  // announce.
  std::string language;
  // The score out of 100 that passes ("80"), or empty: a learning platform
  // then hears only whether the exercise is completed.
  std::string mastery_score = {};

  bool operator==(const Exercise&) const = default;
};

// The description that is right for `option`, or -1.
int RightDescription(const Exercise& exercise, size_t option);

// What a search engine shows for a page of the exercise: its start text on
// one line, cut at a blank with "…" when longer than kMaxSummaryChars.
inline constexpr size_t kMaxSummaryChars = 160;
std::string Summary(const Exercise& exercise);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_H_
