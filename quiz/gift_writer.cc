#include "quiz/gift_writer.h"

#include <set>
#include <vector>

#include "forms/core/line_breaks.h"
#include "quiz/gift_text.h"

namespace quiz {
namespace {

// Answers of a matching question in all, for a platform to offer a choice.
constexpr size_t kMinAnswers = 3;

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : forms::WithLineFeeds(TrimmedText(text))) {
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '\\' || kGiftSpecials.find(c) != std::string_view::npos) {
      out += '\\';
    }
    out += c;
  }
  return out;
}

// A reader takes a leading format marker off an option: one that the option
// itself starts with stays behind ours.
std::string EscapedOption(std::string_view text) {
  std::string out = Escaped(text);
  return out.starts_with('[') ? "[plain]" + out : out;
}

// Why the exercise makes no sound matching question, or nothing.
std::string Unfit(const Exercise& exercise) {
  if (exercise.options.size() < kMinPairs ||
      exercise.descriptions.size() < kMinAnswers) {
    return "въпрос за съпоставяне в GIFT иска поне " +
           std::to_string(kMinPairs) + " варианта и " +
           std::to_string(kMinAnswers) + " описания, а тук са " +
           std::to_string(exercise.options.size()) + " и " +
           std::to_string(exercise.descriptions.size());
  }
  std::set<std::string_view> seen;
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    const std::string& text = exercise.options[option];
    if (text.find(kGiftArrow) != std::string::npos) {
      return "вариантът " + QuotedText(text) + " съдържа „->“, което в GIFT " +
             "отделя варианта от описанието му";
    }
    if (RightDescription(exercise, option) < 0) {
      return "вариантът " + QuotedText(text) + " няма вярно описание";
    }
  }
  for (const std::string* text : {&exercise.title_caption, &exercise.start_text}) {
    if (TrimmedText(*text).empty()) return "заглавието или заданието е празно";
  }
  for (const auto* rows : {&exercise.options, &exercise.descriptions}) {
    seen.clear();
    for (const std::string& text : *rows) {
      if (TrimmedText(text).empty() || !seen.insert(TrimmedText(text)).second) {
        return "текстът " + QuotedText(text) +
               " е празен или се повтаря, щом се махнат интервалите в "
               "краищата му";
      }
    }
  }
  return {};
}

}  // namespace

WrittenGift WriteGiftQuestion(const Exercise& exercise,
                              std::string_view file_name) {
  if (std::string unfit = Unfit(exercise); !unfit.empty()) {
    return ExerciseError{.file = std::string(file_name),
                         .message = std::move(unfit)};
  }
  std::vector<bool> right_for_some(exercise.descriptions.size());
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    right_for_some[RightDescription(exercise, option)] = true;
  }
  std::string out = "::" + Escaped(exercise.title_caption) + "::[plain]" +
                    Escaped(exercise.start_text) + "{\n";
  // Each answer right for none goes before the first pair whose answer
  // follows it, so that a reader lists the answers in their order where
  // the options' order allows.
  size_t row = 0;
  const auto put_unused_before = [&](size_t end) {
    for (; row < end; ++row) {
      if (!right_for_some[row]) {
        out += "\t= -> " + Escaped(exercise.descriptions[row]) + "\n";
      }
    }
  };
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    const auto right =
        static_cast<size_t>(RightDescription(exercise, option));
    put_unused_before(right);
    out += "\t=" + EscapedOption(exercise.options[option]) + " -> " +
           Escaped(exercise.descriptions[right]) + "\n";
  }
  put_unused_before(exercise.descriptions.size());
  return out + "}\n";
}

}  // namespace quiz
