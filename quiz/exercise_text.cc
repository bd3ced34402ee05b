#include "quiz/exercise_text.h"

#include <charconv>
#include <vector>

namespace quiz {
namespace {

constexpr std::string_view kFirstLine = "trovanel-exercise 2";

void Put(std::string_view field, std::string& out) {
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '<': out += "\\l"; break;
      default: out += c;
    }
  }
  out += '\n';
}

void PutList(const std::vector<std::string>& fields, std::string& out) {
  Put(std::to_string(fields.size()), out);
  for (const std::string& field : fields) Put(field, out);
}

class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool Next(std::string* field) {
    const size_t end = text_.find('\n');
    if (end == std::string_view::npos) return false;
    field->clear();
    for (size_t i = 0; i < end; ++i) {
      if (text_[i] != '\\') {
        *field += text_[i];
        continue;
      }
      if (++i == end) return false;
      switch (text_[i]) {
        case '\\': *field += '\\'; break;
        case 'n': *field += '\n'; break;
        case 'r': *field += '\r'; break;
        case 'l': *field += '<'; break;
        default: return false;
      }
    }
    text_.remove_prefix(end + 1);
    return true;
  }

  // A count in decimal digits as WriteExerciseText writes it, no more than
  // kMaxPairs, then as many fields.
  bool NextList(std::vector<std::string>* fields) {
    std::string count;
    if (!Next(&count) || count.empty() || (count[0] == '0' && count != "0")) {
      return false;
    }
    size_t size = 0;
    const char* end = count.data() + count.size();
    const auto [stop, error] = std::from_chars(count.data(), end, size);
    if (error != std::errc() || stop != end || size > kMaxPairs) return false;
    fields->resize(size);
    for (std::string& field : *fields) {
      if (!Next(&field)) return false;
    }
    return true;
  }

  bool AtEnd() const { return text_.empty(); }

 private:
  std::string_view text_;
};

}  // namespace

std::string WriteExerciseText(const Exercise& exercise) {
  std::string out;
  Put(kFirstLine, out);
  for (const TextField& field : ExerciseTexts()) {
    Put(exercise.*field.member, out);
  }
  PutList(exercise.options, out);
  PutList(exercise.descriptions, out);
  PutList(exercise.option_keys, out);
  PutList(exercise.description_keys, out);
  return out;
}

std::optional<Exercise> ReadExerciseText(std::string_view text) {
  FieldReader reader(text);
  Exercise exercise;
  std::string first;
  if (!reader.Next(&first) || first != kFirstLine) return std::nullopt;
  for (const TextField& field : ExerciseTexts()) {
    if (!reader.Next(&(exercise.*field.member))) return std::nullopt;
  }
  if (!reader.NextList(&exercise.options) ||
      !reader.NextList(&exercise.descriptions) ||
      !reader.NextList(&exercise.option_keys) ||
      !reader.NextList(&exercise.description_keys) || !reader.AtEnd() ||
      exercise.options.size() < kMinPairs ||
      exercise.descriptions.size() < kMinPairs ||
      exercise.option_keys.size() != exercise.options.size() ||
      exercise.description_keys.size() != exercise.descriptions.size()) {
    return std::nullopt;
  }
  return exercise;
}

}  // namespace quiz
