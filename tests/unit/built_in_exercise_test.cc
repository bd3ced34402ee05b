#include "quiz/built_in_exercise.h"

#include <string_view>

#include "gtest/gtest.h"
#include "tests/support/answers.h"

namespace quiz {
namespace {

size_t CodePoints(std::string_view utf8) {
  size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

// Every line ends with CR LF, and there is no bare CR or LF.
bool AllLinesEndWithCrLf(std::string_view text) {
  if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
      return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

// The horse as the built-in file gives it, to the letter.
TEST(BuiltInExerciseTest, KeepsTrailingBlanksAndLineBreaks) {
  const Exercise& horse = BuiltInExercise();
  ASSERT_EQ(horse.options.size(), 5u);
  EXPECT_EQ(horse.options[1], "Кариер ");
  EXPECT_EQ(horse.options[3], "Тръс ");
  EXPECT_EQ(horse.title_caption, "Биология - ход на коня, алюр ");
  EXPECT_EQ(CodePoints(horse.start_text), 655u);
  EXPECT_TRUE(AllLinesEndWithCrLf(horse.start_text));
  EXPECT_NE(horse.start_text.find("тренировки. \r\n"), std::string::npos);
  const std::string_view name = "  Биология - видове ход на коня";
  ASSERT_GT(horse.window_title.size(), name.size());
  EXPECT_TRUE(horse.window_title.ends_with(name));
  EXPECT_NE(horse.window_title[horse.window_title.size() - name.size() - 1],
            ' ');
}

TEST(BuiltInExerciseTest, PairsEachGaitWithItsDescription) {
  const Exercise& horse = BuiltInExercise();
  ASSERT_EQ(horse.descriptions.size(), size_t{trovanel_test::kRows});
  for (int row = 0; row < trovanel_test::kRows; ++row) {
    EXPECT_EQ(horse.descriptions[row], trovanel_test::DescriptionRow(row));
  }
  for (int gait = 0; gait < trovanel_test::kGaits; ++gait) {
    EXPECT_EQ(RightDescription(horse, gait), trovanel_test::RightRow(gait))
        << "gait " << gait;
  }
}

}  // namespace
}  // namespace quiz
