#include "app/exercise_layout.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "forms/core/form.h"
#include "forms/core/geometry.h"
#include "forms/core/text_width.h"
#include "forms/core/units.h"
#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz/exercise_file.h"
#include "tests/support/form_lookup.h"
#include "tests/unit/example_files.h"
#include "app/trovanel_layout.h"

namespace trovanel {
namespace {

using forms::ControlDescription;
using forms::ControlRect;
using forms::Rect;

// The horse keeps the table's places, sizes, kinds and colours, control by
// control, and gets its texts on them.
TEST(ExerciseLayoutTest, TheBuiltInExerciseGivesTheTableUnchanged) {
  const quiz::Exercise& horse = quiz::BuiltInExercise();
  const ExerciseLayout layout(horse);
  const forms::FormDescription& form = layout.description();
  const forms::FormDescription& table = TrovanelLayout();
  EXPECT_EQ(form.client_width, table.client_width);
  EXPECT_EQ(form.client_height, table.client_height);
  ASSERT_EQ(form.controls.size(), table.controls.size());
  for (size_t i = 0; i < table.controls.size(); ++i) {
    const ControlDescription& a = form.controls[i];
    const ControlDescription& t = table.controls[i];
    EXPECT_EQ(std::tie(a.array, a.member, a.kind, a.container, a.left, a.top,
                       a.width, a.height, a.visible, a.tab_index, a.back_color,
                       a.multi_line, a.locked, a.accessible_name),
              std::tie(t.array, t.member, t.kind, t.container, t.left, t.top,
                       t.width, t.height, t.visible, t.tab_index, t.back_color,
                       t.multi_line, t.locked, t.accessible_name))
        << t.array << t.member;
  }

  // The pictures show the texts; here the hidden ones: the file's keys, and
  // the motto, which is the table's.
  using trovanel_test::FindDescription;
  EXPECT_EQ(form.title, horse.window_title);
  const auto& keys = FindDescription(form, kListArray, kGaitKeyList).rows;
  EXPECT_TRUE(std::equal(keys.begin(), keys.end(), horse.option_keys.begin(),
                         horse.option_keys.end()));
  EXPECT_EQ(FindDescription(form, kTextArray, kMottoBox).caption,
            FindDescription(table, kTextArray, kMottoBox).caption);
}

// An exercise of `pairs` options and as many descriptions, with texts of
// `chars` characters of ordinary prose.
quiz::Exercise Made(size_t pairs, size_t option_chars, size_t row_chars) {
  const std::string prose = "поне два от крайниците на коня са във въздуха ";
  auto text = [&prose](size_t index, size_t chars) {
    std::string made = std::to_string(index) + " ";
    while (made.size() < chars * 2) made += prose;
    size_t end = 0;  // `chars` characters
    for (size_t n = 0; n < chars && end < made.size(); ++n) {
      end += (static_cast<unsigned char>(made[end]) >= 0x80) ? 2 : 1;
    }
    return made.substr(0, end);
  };
  quiz::Exercise exercise = quiz::BuiltInExercise();
  exercise.options.clear();
  exercise.descriptions.clear();
  exercise.option_keys.clear();
  exercise.description_keys.clear();
  for (size_t i = 0; i < pairs; ++i) {
    exercise.options.push_back(text(i, option_chars));
    exercise.descriptions.push_back(text(i, row_chars));
    exercise.option_keys.push_back(std::to_string(i));
    exercise.description_keys.push_back(std::to_string(i));
  }
  return exercise;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() &&
         b.top < a.bottom();
}

// The pixels a line of text takes at `dpi`, and a list row's height.
int TextPixels(std::string_view text, int dpi) {
  return (forms::TextWidthTwips(text, 12) * dpi + 1439) / 1440;
}
int RowPixels(int dpi) {
  return (forms::PointsToPixels(12, dpi) * 115 + 99) / 100;
}

// Whether two controls overlap in the table already (the list's heading
// reaches a pixel into the list, an option into the next). Options past the
// table's five stand one step apart as the table's do.
bool OverlapInTheTable(const ControlDescription& a, const ControlDescription& b,
                       int dpi) {
  const forms::FormDescription& table = TrovanelLayout();
  if (a.array == kOptionArray && b.array == kOptionArray) {
    return std::abs(a.member - b.member) == 1;
  }
  for (const ControlDescription& t : table.controls) {
    for (const ControlDescription& u : table.controls) {
      if (t.array == a.array && t.member == a.member && u.array == b.array &&
          u.member == b.member) {
        return Overlap(ControlRect(table, t, dpi), ControlRect(table, u, dpi));
      }
    }
  }
  return false;
}

void ExpectSound(const forms::FormDescription& layout, int dpi) {
  forms::Form form(layout);  // rejects duplicates and unknown containers
  const Rect client = forms::ClientRect(layout, dpi);
  std::vector<std::pair<const ControlDescription*, Rect>> shown;
  for (const ControlDescription& c : layout.controls) {
    if (c.visible) shown.emplace_back(&c, ControlRect(layout, c, dpi));
  }
  for (const auto& [c, rect] : shown) {
    EXPECT_TRUE(client.Contains(rect)) << c->array << c->member;
    // Margins: the option's round button, a border and padding, a frame's
    // corner.
    const int room = c->kind == forms::ControlKind::kOptionButton ? 24
                     : c->kind == forms::ControlKind::kFrame      ? 20
                                                                  : 6;
    // A label wraps onto as many lines as its height holds.
    const int lines = c->kind == forms::ControlKind::kLabel
                          ? 1 + (rect.height - 25 * dpi / 96) / RowPixels(dpi)
                          : 1;
    if (!c->multi_line) {  // a text box wraps and scrolls
      EXPECT_LE(TextPixels(c->caption, dpi) + room * dpi / 96,
                rect.width * lines)
          << c->array << c->member;
    }
    if (c->array == kListArray) {
      int widest = 0;
      for (std::string_view row : c->rows) {
        widest = std::max(widest, TextPixels(row, dpi));
      }
      // Rows wider than the list scroll sideways, over a bar of their own.
      const int extent = forms::TwipsToPixels(c->scroll_width, dpi);
      EXPECT_LE(widest + 6 * dpi / 96, std::max(rect.width, extent));
      EXPECT_TRUE(extent == 0 || extent > rect.width);
      EXPECT_LE(static_cast<int>(c->rows.size()) * RowPixels(dpi) + 4 +
                    (extent > 0 ? 17 * dpi / 96 : 0),
                rect.height);
    }
    for (const auto& [other, other_rect] : shown) {
      // A frame holds its options.
      if (c >= other || OverlapInTheTable(*c, *other, dpi) ||
          c->array == other->container || other->array == c->container) {
        continue;
      }
      EXPECT_FALSE(Overlap(rect, other_rect))
          << c->array << c->member << " " << other->array << other->member;
    }
  }
}

enum class Texts { kShort, kLongestOptions, kLongestDescriptions };

class DerivedLayoutTest
    : public ::testing::TestWithParam<std::tuple<size_t, Texts, int>> {};

TEST_P(DerivedLayoutTest, NothingOverlapsAndEveryTextFitsInsideTheWindow) {
  const auto [pairs, texts, dpi] = GetParam();
  // The longest of each kind, with the other as long as the window allows.
  const quiz::Exercise exercise =
      texts == Texts::kShort ? Made(pairs, 3, 5)
      : texts == Texts::kLongestOptions
          ? Made(pairs, quiz::kMaxOptionChars, 60)
          : Made(pairs, 8, quiz::kMaxDescriptionChars);
  const ExerciseLayout layout(exercise);
  ASSERT_EQ(layout.TooLarge(), "");
  EXPECT_EQ(layout.description().controls.size(),
            TrovanelLayout().controls.size() + pairs - 5);
  ExpectSound(layout.description(), dpi);
}

INSTANTIATE_TEST_SUITE_P(
    PairsTextsAndDpi, DerivedLayoutTest,
    ::testing::Combine(::testing::Values(2, 5, 8),
                       ::testing::Values(Texts::kShort, Texts::kLongestOptions,
                                         Texts::kLongestDescriptions),
                       ::testing::Values(96, 144)));

// Texts of `chars` characters in words of the font's widest Cyrillic
// letters.
std::string Wide(size_t chars) {
  std::string text;
  for (size_t n = 1; n <= chars; ++n)
    text += n % 8 == 0 && n < chars ? " " : "Ю";
  return text;
}

// A file at every limit opens in a window a 1024 × 768 screen shows: the
// list shares the width and scrolls sideways, the title and the heading take
// more lines.
TEST(ExerciseLayoutTest, TextsAtTheirLimitsFitTheLargestWindow) {
  quiz::Exercise exercise = Made(8, 1, 1);
  for (std::string& option : exercise.options) {
    option = Wide(quiz::kMaxOptionChars);
  }
  for (std::string& row : exercise.descriptions) {
    row = Wide(quiz::kMaxDescriptionChars);
  }
  exercise.title_caption = Wide(quiz::kMaxCaptionChars);
  exercise.list_heading = Wide(quiz::kMaxCaptionChars);
  const ExerciseLayout layout(exercise);
  ASSERT_EQ(layout.TooLarge(), "");
  const Rect client = forms::ClientRect(layout.description(), 96);
  EXPECT_EQ(client.width, kMaxWindowWidth);
  EXPECT_LE(client.height, kMaxWindowHeight);
  EXPECT_GT(trovanel_test::FindDescription(layout.description(), kListArray,
                                           kDescriptionList)
                .scroll_width,
            0);
  for (int dpi : {96, 144}) ExpectSound(layout.description(), dpi);

  // What cannot wrap, a group caption wider than a line beside the list, is
  // named.
  exercise.frame_caption = Wide(quiz::kMaxCaptionChars);
  EXPECT_NE(ExerciseLayout(exercise).TooLarge().find("най-много са 1024 × 720"),
            std::string::npos);
}

TEST(ExerciseLayoutTest, ExampleFilesFitAndWidenOnlyWhatTheyNeed) {
  for (const char* name :
       {"states-of-water.trovanel", "cell-organelles.trovanel"}) {
    auto exercise = std::get<quiz::Exercise>(
        quiz::ParseExercise(trovanel_test::ExampleFile(name), name));
    const ExerciseLayout layout(exercise);
    EXPECT_EQ(layout.TooLarge(), "") << name;
    ExpectSound(layout.description(), 96);
  }
}

}  // namespace
}  // namespace trovanel
