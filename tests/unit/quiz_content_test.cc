#include "quiz/quiz_content.h"

#include <string>

#include "gtest/gtest.h"

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

TEST(QuizContentTest, TrailingBlanksAreKept) {
  EXPECT_EQ(kGaitCaptions[1], "Кариер ");
  EXPECT_EQ(kGaitCaptions[3], "Тръс ");
  EXPECT_EQ(kTitleCaption.back(), ' ');
  EXPECT_NE(kGaitCaptions[0].back(), ' ');
  EXPECT_NE(kListHeading.back(), ' ');
}

TEST(QuizContentTest, LongTextsHaveTheirExactLengthAndLineBreaks) {
  EXPECT_EQ(CodePoints(kStartText), 655u);
  EXPECT_EQ(CodePoints(kMotto), 118u);
  EXPECT_TRUE(AllLinesEndWithCrLf(kStartText));
  EXPECT_TRUE(AllLinesEndWithCrLf(kMotto));
  EXPECT_NE(kStartText.find("тренировки. \r\n"), std::string_view::npos);
  EXPECT_NE(kMotto.find("по \r\nправилния"), std::string_view::npos);
}

TEST(QuizContentTest, TitleEndsWithTwoBlanksAndTheFixedName) {
  const std::string_view fixed = "  Биология - видове ход на коня";
  ASSERT_GT(kWindowTitle.size(), fixed.size());
  EXPECT_EQ(kWindowTitle.substr(kWindowTitle.size() - fixed.size()), fixed);
  EXPECT_NE(kWindowTitle[kWindowTitle.size() - fixed.size() - 1], ' ');
}

}  // namespace
}  // namespace quiz
