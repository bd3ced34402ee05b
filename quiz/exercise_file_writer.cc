#include "quiz/exercise_file_writer.h"

#include <cstdio>
#include <string_view>

namespace quiz {
namespace {

// A TOML basic string's body: quotes, backslashes and control characters
// escaped; with `multi_line`, line ends kept as LF for a """ string.
std::string Escaped(std::string_view text, bool multi_line) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (multi_line && (c == '\n' || c == '\r')) {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
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
    out += " = \"\"\"\n" + Escaped(text, true) + "\"\"\"\n";
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
  PutText("window-title", exercise.window_title, out);
  PutText("title", exercise.title_caption, out);
  PutText("group", exercise.frame_caption, out);
  PutText("list-heading", exercise.list_heading, out);
  PutText("start-text", exercise.start_text, out);
  PutText("missing-choice", exercise.missing_choice_message, out);
  PutText("correct", exercise.correct_message, out);
  PutText("wrong", exercise.wrong_message, out);
  if (!exercise.language.empty()) PutText("language", exercise.language, out);
  for (size_t option = 0; option < exercise.options.size(); ++option) {
    out += "\n[[option]]\n";
    PutText("text", exercise.options[option], out);
    const int right = RightDescription(exercise, option);
    if (right >= 0) PutText("right", name(static_cast<size_t>(right)), out);
  }
  for (size_t row = 0; row < exercise.descriptions.size(); ++row) {
    out += "\n[[description]]\n";
    PutText("name", name(row), out);
    PutText("text", exercise.descriptions[row], out);
  }
  return out;
}

}  // namespace quiz
