#include "quiz/gift_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "quiz/exercise_file_writer.h"
#include "quiz/gift_html.h"
#include "quiz/gift_text.h"

namespace quiz {
namespace {

enum class Kind {
  kCategory,
  kDescription,
  kEssay,
  kNumerical,
  kMultipleChoice,
  kMatching,
  kTrueFalse,
  kShortAnswer,
};

std::string_view KindName(Kind kind) {
  switch (kind) {
    case Kind::kDescription:
      return "описание без отговори";
    case Kind::kEssay:
      return "есе";
    case Kind::kNumerical:
      return "с числов отговор";
    case Kind::kMultipleChoice:
      return "с избор между отговори";
    case Kind::kTrueFalse:
      return "„вярно или невярно“";
    case Kind::kShortAnswer:
      return "с кратък отговор";
    default:
      return "за съпоставяне";
  }
}

// A line break in a text of one line: a blank, as a drop-down list shows it.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// A text as it shows, whatever its format.
std::string TextOf(const GiftText& text, bool html) {
  return html ? std::string(TrimmedText(PlainTextOfHtml(text.text())))
              : text.text();
}

struct Fault {
  ExerciseError error;
};

struct Pair {
  GiftText option;  // empty for an answer that is right for no option
  GiftText answer;
  GiftPlace answer_at;  // or of the arrow, when it is empty
  bool html = false;    // the option's format
};

struct Question {
  Kind kind = Kind::kCategory;
  std::string name;
  GiftPlace at;
  GiftText text;     // without its answers
  std::string_view format = kGiftFormats[0];  // of the text and the options
  GiftText answers;  // between the braces, without general feedback
  GiftPlace answers_at;
};

class QuestionReader {
 public:
  explicit QuestionReader(std::string_view file_name) : file_(file_name) {}

  [[noreturn]] void Fail(GiftPlace at, std::string message) const {
    throw Fault{{.file = file_,
                 .line = at.line,
                 .column = at.column,
                 .message = std::move(message)}};
  }

  Question Read(const GiftText& block) const {
    Question question;
    question.at = block.PlaceOf(0);
    if (block.StartsWith("$CATEGORY:")) return question;
    GiftText rest = block;
    if (rest.StartsWith("::")) {
      rest = rest.Slice(2);
      const size_t end = rest.Find("::");
      if (end != std::string::npos) {
        question.name = OneLine(rest.Slice(0, end).Trimmed().text());
        rest = rest.Slice(end + 2).Trimmed();
      }
    }
    const size_t open = rest.Find("{");
    const size_t close = rest.Find("}");
    if (open == std::string::npos && close == std::string::npos) {
      question.kind = Kind::kDescription;
      question.text = rest;
    } else {
      question.text = rest.Slice(0, std::min(open, close));
      const std::string named =
          "въпросът " + QuotedText(question.name.empty()
                                       ? DefaultName(question.text.text())
                                       : question.name);
      if (open == std::string::npos || close < open) {
        Fail(rest.PlaceOf(close), named + " има „}“ без „{“ преди него");
      }
      if (close == std::string::npos) {
        Fail(rest.PlaceOf(open), named + " има „{“ без „}“ след него");
      }
      // Text after the answers makes them a missing word in the sentence.
      const GiftText after = rest.Slice(close + 1);
      if (!after.empty()) {
        for (const char c : std::string_view("_____")) {
          question.text.Append(c, true, rest.PlaceOf(open));
        }
        question.text.Append(after);
      }
      question.answers_at = rest.PlaceOf(open);
      question.answers = rest.Slice(open + 1, close).Trimmed();
      const size_t feedback = question.answers.FindLast("####");
      if (feedback != std::string::npos) {
        question.answers = question.answers.Slice(0, feedback).Trimmed();
      }
      question.kind = KindOf(question.answers);
    }
    question.text =
        question.text.Trimmed().WithoutFormat(&question.format).Trimmed();
    if (question.name.empty()) {
      question.name = DefaultName(
          TextOf(question.text, question.format == "[html]"));
    }
    return question;
  }

  // The pairs of a matching question, at least kMinPairs with an option.
  std::vector<Pair> Pairs(const Question& question) const {
    std::vector<Pair> pairs;
    size_t options = 0;
    const GiftText& answers = question.answers;
    for (size_t begin = answers.StartsWith("=") ? 1 : 0;
         begin <= answers.size();) {
      const size_t end = std::min(answers.Find("=", begin), answers.size());
      const GiftText piece = answers.Slice(begin, end).Trimmed();
      begin = end + 1;
      const size_t arrow = piece.Find(kGiftArrow);
      if (arrow == std::string::npos) {
        Fail(piece.PlaceOf(0), "въпросът " + QuotedText(question.name) +
                                   ": в отговора " + QuotedText(piece.text()) +
                                   " липсва „->“ между вариант и описание");
      }
      std::string_view format = question.format;
      Pair pair{
          .option =
              piece.Slice(0, arrow).Trimmed().WithoutFormat(&format).Trimmed(),
          .answer = piece.Slice(arrow + kGiftArrow.size()).Trimmed(),
          .answer_at = piece.PlaceOf(arrow)};
      if (!pair.answer.empty()) pair.answer_at = pair.answer.PlaceOf(0);
      pair.html = format == "[html]";
      if (!pair.option.empty()) ++options;
      pairs.push_back(std::move(pair));
    }
    if (options < kMinPairs) {
      Fail(question.answers_at,
           "въпросът " + QuotedText(question.name) +
               ": двойките за съпоставяне са " + std::to_string(options) +
               ", а трябва да са поне " + std::to_string(kMinPairs));
    }
    return pairs;
  }

 private:
  static Kind KindOf(const GiftText& answers) {
    if (answers.empty()) return Kind::kEssay;
    if (answers.StartsWith("#")) return Kind::kNumerical;
    if (answers.Find("~") != std::string::npos) return Kind::kMultipleChoice;
    if (answers.Find("=") != std::string::npos &&
        answers.Find(kGiftArrow) != std::string::npos) {
      return Kind::kMatching;
    }
    const std::string truth =
        answers.Slice(0, answers.Find("#")).Trimmed().text();
    return truth == "T" || truth == "TRUE" || truth == "F" || truth == "FALSE"
               ? Kind::kTrueFalse
               : Kind::kShortAnswer;
  }

  // An unnamed question is named by the start of its text.
  static std::string DefaultName(std::string_view text) {
    return CutText(OneLine(std::string(TrimmedText(text))), kMaxCaptionChars);
  }

  std::string file_;
};

// The exercise of a matching question, with the places of its options and
// descriptions for the loader's faults.
struct Draft {
  Exercise exercise;
  std::vector<GiftPlace> option_places;
  std::vector<GiftPlace> description_places;
};

Draft DraftOf(const Question& question, const std::vector<Pair>& pairs) {
  Draft draft;
  Exercise& exercise = draft.exercise;
  for (const TextField& field : ExerciseTexts()) {
    exercise.*field.member = std::string(field.default_text);
  }
  // The question's name stands for what the schema leaves to the teacher.
  exercise.title_caption = question.name;
  // A name too long for a title is told of there; the window's is cut.
  if (exercise.window_title.empty()) {
    exercise.window_title = CutText(question.name, kMaxCaptionChars);
  }
  if (exercise.frame_caption.empty()) {
    exercise.frame_caption = std::string(kOptionTable.plural);
  }
  if (exercise.list_heading.empty()) {
    exercise.list_heading = std::string(kDescriptionTable.plural);
  }
  exercise.start_text = TextOf(question.text, question.format == "[html]");
  for (const Pair& pair : pairs) {
    const std::string answer = OneLine(pair.answer.text());
    auto& rows = exercise.descriptions;
    const auto row = std::find(rows.begin(), rows.end(), answer) - rows.begin();
    if (static_cast<size_t>(row) == rows.size()) {
      rows.push_back(answer);
      exercise.description_keys.push_back(std::to_string(row));
      draft.description_places.push_back(pair.answer_at);
    }
    if (pair.option.empty()) continue;
    exercise.options.push_back(OneLine(TextOf(pair.option, pair.html)));
    exercise.option_keys.push_back(std::to_string(row));
    draft.option_places.push_back(pair.option.PlaceOf(0));
  }
  return draft;
}

// The loader's fault in the written .trovanel text, placed in the GIFT file:
// a row's at the row, the rows' number at the answers, the rest at the
// question; named as an editor names the text.
ExerciseError Placed(ExerciseError error, const Question& question,
                     const Draft& draft) {
  GiftPlace at = question.at;
  std::string label;
  for (const RowTable* table : {&kOptionTable, &kDescriptionTable}) {
    const std::string prefix = std::string(table->key) + ".";
    const auto& places = table == &kOptionTable ? draft.option_places
                                                : draft.description_places;
    if (error.field == table->key) at = question.answers_at;
    if (!error.field.starts_with(prefix)) continue;
    const size_t row = std::stoul(error.field.substr(prefix.size()));
    if (row < places.size()) at = places[row];
    label = std::string(table->label.bg) + " " + std::to_string(row + 1);
  }
  for (const TextField& field : ExerciseTexts()) {
    if (error.field == field.key) label = std::string(field.label.bg);
  }
  if (error.field == "start-text" && !question.text.empty()) {
    at = question.text.PlaceOf(0);
  }
  error.line = at.line;
  error.column = at.column;
  if (!label.empty()) error.message = label + ": " + error.message;
  return error;
}

}  // namespace

LoadedExercise ReadGiftQuestion(std::string_view bytes,
                                std::string_view file_name) {
  const QuestionReader reader(file_name);
  try {
    std::vector<Question> questions;
    for (const GiftText& block : GiftBlocks(DecodeExerciseText(bytes))) {
      Question question = reader.Read(block);
      if (question.kind != Kind::kCategory) questions.push_back(question);
    }
    if (questions.empty()) reader.Fail({}, "във файла няма въпрос");
    if (questions.size() > 1) {
      reader.Fail(questions[1].at,
                  "втори въпрос " + QuotedText(questions[1].name) +
                      ": файлът трябва да има само един въпрос, за "
                      "съпоставяне");
    }
    const Question& question = questions.front();
    if (question.kind != Kind::kMatching) {
      reader.Fail(question.at, "въпросът " + QuotedText(question.name) + " е " +
                                   std::string(KindName(question.kind)) +
                                   ", а се чете само въпрос за съпоставяне");
    }
    const Draft draft = DraftOf(question, reader.Pairs(question));
    LoadedExercise loaded =
        ParseExercise(WriteExerciseFile(draft.exercise), file_name);
    if (auto* error = std::get_if<ExerciseError>(&loaded)) {
      return Placed(std::move(*error), question, draft);
    }
    return loaded;
  } catch (const Fault& fault) {
    return fault.error;
  }
}

}  // namespace quiz
