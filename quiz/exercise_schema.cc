#include "quiz/exercise_schema.h"

#include <algorithm>
#include <array>

#include "quiz/exercise.h"

namespace quiz {
namespace {

constexpr std::array kTexts = {
    TextField{.key = "window-title",
              .member = &Exercise::window_title,
              .max_chars = kMaxCaptionChars,
              .multi_line = false,
              .optional = false,
              .default_text = "",
              .label = {"Заглавие на прозореца", "Window title"}},
    TextField{.key = "title",
              .member = &Exercise::title_caption,
              .max_chars = kMaxCaptionChars,
              .multi_line = false,
              .optional = false,
              .default_text = "",
              .label = {"Надпис най-горе", "Caption at the top"}},
    TextField{.key = "group",
              .member = &Exercise::frame_caption,
              .max_chars = kMaxCaptionChars,
              .multi_line = false,
              .optional = false,
              .default_text = "",
              .label = {"Надпис на групата с вариантите",
                        "Caption of the group of options"}},
    TextField{.key = "list-heading",
              .member = &Exercise::list_heading,
              .max_chars = kMaxCaptionChars,
              .multi_line = false,
              .optional = false,
              .default_text = "",
              .label = {"Заглавие над списъка с описания",
                        "Heading over the list of descriptions"}},
    TextField{.key = "start-text",
              .member = &Exercise::start_text,
              .max_chars = kMaxStartTextChars,
              .multi_line = true,
              .optional = false,
              .default_text = "",
              .label = {"Задание (показва се в началото)",
                        "Assignment (shown at the start)"}},
    TextField{.key = "missing-choice",
              .member = &Exercise::missing_choice_message,
              .max_chars = kMaxMessageChars,
              .multi_line = true,
              .optional = false,
              .default_text = "Посочете две стойности!",
              .label = {"Съобщение, докато не са избрани вариант и описание",
                        "Message while an option or a description is not "
                        "chosen"}},
    TextField{.key = "correct",
              .member = &Exercise::correct_message,
              .max_chars = kMaxMessageChars,
              .multi_line = true,
              .optional = false,
              .default_text = "Правилно.",
              .label = {"Съобщение при вярна двойка",
                        "Message for a right pair"}},
    TextField{.key = "wrong",
              .member = &Exercise::wrong_message,
              .max_chars = kMaxMessageChars,
              .multi_line = true,
              .optional = false,
              .default_text = "Грешка!",
              .label = {"Съобщение при грешна двойка",
                        "Message for a wrong pair"}},
    // Left out, it is told from the texts' letters.
    TextField{.key = "language",
              .member = &Exercise::language,
              .max_chars = kMaxCaptionChars,
              .multi_line = false,
              .optional = true,
              .default_text = "",
              .label = {"Език на текстовете: код като bg или en (празно: по "
                        "буквите им)",
                        "Language of the texts: a code such as bg or en "
                        "(empty: told from their letters)"},
              .fits = IsLanguageTag,
              .unfit = "трябва да е код на език, например „bg“ или „en“"},
    // Left out, a learning platform is told "completed" instead of "passed"
    // or "failed".
    TextField{.key = "mastery-score",
              .member = &Exercise::mastery_score,
              .max_chars = 3,
              .multi_line = false,
              .optional = true,
              .default_text = "",
              .label = {"Точки за успех в учебна платформа: от 0 до 100 "
                        "(празно: без оценка)",
                        "Score to pass in a learning platform: 0 to 100 "
                        "(empty: none)"},
              .fits = IsMasteryScore,
              .unfit = "трябва да е цяло число от 0 до 100, например „80“"},
};

}  // namespace

std::span<const TextField> ExerciseTexts() { return kTexts; }

bool IsLanguageTag(std::string_view tag) {
  const auto is_letter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  };
  const auto is_letter_or_digit = [&](char c) {
    return is_letter(c) || (c >= '0' && c <= '9');
  };
  for (bool primary = true;; primary = false) {
    const size_t end = std::min(tag.find('-'), tag.size());
    const std::string_view subtag = tag.substr(0, end);
    const bool fits =
        primary
            ? subtag.size() >= 2 && subtag.size() <= 3 &&
                  std::all_of(subtag.begin(), subtag.end(), is_letter)
            : !subtag.empty() && subtag.size() <= 8 &&
                  std::all_of(subtag.begin(), subtag.end(), is_letter_or_digit);
    if (!fits) return false;
    if (end == tag.size()) return true;
    tag.remove_prefix(end + 1);
  }
}

bool IsMasteryScore(std::string_view score) {
  if (score.empty() || score.size() > 3 || (score[0] == '0' && score != "0") ||
      !std::all_of(score.begin(), score.end(),
                   [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  return std::stoi(std::string(score)) <= 100;
}

}  // namespace quiz
