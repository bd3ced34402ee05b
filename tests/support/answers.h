#ifndef TROVANEL_TESTS_SUPPORT_ANSWERS_H_
#define TROVANEL_TESTS_SUPPORT_ANSWERS_H_

#include <string>
#include <string_view>

namespace trovanel_test {

// The messages as the window must show them, written apart from the
// program's content.
inline constexpr std::string_view kCorrect = "Правилно.";
inline constexpr std::string_view kWrong = "Грешка!";
inline constexpr std::string_view kMissingChoice = "Посочете две стойности!";

inline constexpr int kGaits = 5;
inline constexpr int kRows = 5;

// From tests/scenarios/answers.txt: the description row that belongs to a
// gait (option member).
int RightRow(int gait);
// What the check answers for a gait and a row.
std::string_view Verdict(int gait, int row);
// The text of a description row, exactly as the list must show it.
const std::string& DescriptionRow(int row);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_ANSWERS_H_
