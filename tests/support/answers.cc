#include "tests/support/answers.h"

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tests/support/scenario_files.h"

namespace trovanel_test {
namespace {

struct AnswerTable {
  std::array<int, kGaits> right_rows;
  std::array<std::string, kRows> row_texts;
};

// Lines "gait row text"; # starts a comment line.
AnswerTable ReadAnswers() {
  AnswerTable table;
  table.right_rows.fill(-1);
  for (const EmbeddedFile& file : kScenarioFiles) {
    std::istringstream lines{
        std::string(file.name == "answers.txt" ? file.text : "")};
    for (std::string line; std::getline(lines, line);) {
      if (line.empty() || line.front() == '#') continue;
      std::istringstream words(line);
      int gait = -1;
      int row = -1;
      if (!(words >> gait >> row) || words.get() != ' ' || gait < 0 ||
          gait >= kGaits || row < 0 || row >= kRows) {
        throw std::invalid_argument("answers.txt: " + line);
      }
      table.right_rows[gait] = row;
      std::getline(words, table.row_texts[row]);
    }
  }
  for (int row : table.right_rows) {
    if (row < 0) throw std::invalid_argument("answers.txt: a gait is missing");
  }
  return table;
}

const AnswerTable& Answers() {
  static const AnswerTable table = ReadAnswers();
  return table;
}

}  // namespace

int RightRow(int gait) { return Answers().right_rows.at(gait); }

std::string_view Verdict(int gait, int row) {
  return RightRow(gait) == row ? kCorrect : kWrong;
}

const std::string& DescriptionRow(int row) {
  return Answers().row_texts.at(row);
}

}  // namespace trovanel_test
