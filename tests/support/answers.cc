#include "tests/support/answers.h"

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tests/support/scenario_files.h"

namespace trovanel_test {
namespace {

// Lines "gait row"; # starts a comment line.
std::array<int, kGaits> ReadAnswers() {
  std::array<int, kGaits> rows;
  rows.fill(-1);
  for (const EmbeddedFile& file : kScenarioFiles) {
    std::istringstream lines{
        std::string(file.name == "answers.txt" ? file.text : "")};
    for (std::string line; std::getline(lines, line);) {
      std::istringstream words(line);
      int gait = -1;
      int row = -1;
      if (line.empty() || line.front() == '#') continue;
      if (!(words >> gait >> row) || gait < 0 || gait >= kGaits || row < 0 ||
          row >= kRows) {
        throw std::invalid_argument("answers.txt: " + line);
      }
      rows[gait] = row;
    }
  }
  for (int row : rows) {
    if (row < 0) throw std::invalid_argument("answers.txt: a gait is missing");
  }
  return rows;
}

}  // namespace

int RightRow(int gait) {
  static const std::array<int, kGaits> rows = ReadAnswers();
  return rows.at(gait);
}

std::string_view Verdict(int gait, int row) {
  return RightRow(gait) == row ? kCorrect : kWrong;
}

}  // namespace trovanel_test
