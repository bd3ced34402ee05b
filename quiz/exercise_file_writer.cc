#include "quiz/exercise_file_writer.h"

#include <cstdio>
#include <string_view>

#include "forms/core/line_breaks.h"

namespace quiz {
namespace {

// A TOML basic string's body: quotes, backslashes and control characters
// escaped; with `multi_line`, LF kept for a """ string.
std::string Escaped(std::string_view text, bool multi_line) {
  std::string out;
  for (const char c : text) {
    if (multi_line && c == '\n') {
      out += '\n';
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
      out += code;
    } else {
      out += c;
    }
  }
  return out;
}

void PutText(std::string_view key, std::string_view text, std::string& out) {
  out += key;
  if (text.find_first_of("\r\n") == std::string_view::npos) {
    out += " = \"" + Escaped(text, false) + "\"\n";
  } else {
    // The line end right after the opening quotes is not part of the text.
    out += " = \"\"\"\n" + Escaped(forms::WithLineFeeds(text), true) +
           "\"\"\"\n";
  }
}

}  // namespace

std::string WriteExerciseFile(
    const Exercise& exercise,
    const std::vector<std::string>& description_names) {
  const bool named = description_names.size() == exercise.descriptions.size();
  const auto name = [&](size_t row) {
    return named ? description_names[row] : std::to_string(row + 1);
  };
  std::string out;
  for (const TextField& field : ExerciseTexts()) {
    const std::string& text = exercise.*field.member;
    // An optional text left empty is the loader's to fill.
    if (!field.optional || !text.empty()) PutText(field.key, text, out);
  }
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    out += "\n[[" + std::string(kOptionTable.key) + "]]\n";
    PutText(kOptionTable.text.key, exercise.options[option], out);
    const int right = RightDescription(exercise, option);
    if (right >= 0) {
      PutText(kOptionTable.link.key, name(static_cast<size_t>(right)), out);
    }
  }
  for (size_t row = 0; row < exercise.descriptions.size(); ++row) {
    out += "\n[[" + std::string(kDescriptionTable.key) + "]]\n";
    PutText(kDescriptionTable.link.key, name(row), out);
    PutText(kDescriptionTable.text.key, exercise.descriptions[row], out);
  }
  return out;
}

}  // namespace quiz
