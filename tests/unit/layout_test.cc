#include <set>
#include <string>
#include <utility>

#include "forms/core/form.h"
#include "gtest/gtest.h"
#include "quiz/quiz_content.h"
#include "tests/support/form_lookup.h"
#include "window/trovanel_layout.h"

namespace trovanel {
namespace {

const forms::ControlDescription& Control(std::string_view array,
                                         int16_t member) {
  return trovanel_test::FindDescription(TrovanelLayout(), array, member);
}

TEST(LayoutTest, BuildsIntoAFormOfThirteenUniqueControls) {
  forms::Form form(TrovanelLayout());  // rejects duplicates, late containers
  EXPECT_EQ(form.controls().size(), 13u);
  std::set<int> tab_indexes;
  for (const auto& control : TrovanelLayout().controls) {
    tab_indexes.insert(control.tab_index);
  }
  EXPECT_EQ(tab_indexes.size(), 13u);
  EXPECT_EQ(*tab_indexes.begin(), 0);
  EXPECT_EQ(*tab_indexes.rbegin(), 12);
}

TEST(LayoutTest, OnlyTheKeyListsAndTheMottoAreHidden) {
  std::set<std::pair<std::string, int>> hidden;
  for (const auto& control : TrovanelLayout().controls) {
    if (!control.visible)
      hidden.insert({std::string(control.array), control.member});
  }
  EXPECT_EQ(hidden, (std::set<std::pair<std::string, int>>{
                        {kListArray, 1}, {kListArray, 2}, {kTextArray, 1}}));
}

TEST(LayoutTest, OptionsAreStackedInIndexOrderInsideTheFrame) {
  for (int16_t gait = 0; gait < 5; ++gait) {
    const auto& option = Control(kOptionArray, gait);
    EXPECT_EQ(option.container, kFrameName);
    EXPECT_EQ(option.caption, quiz::kGaitCaptions[gait]);
    if (gait > 0) {
      EXPECT_GT(option.top, Control(kOptionArray, gait - 1).top);
    }
    // Each option lies wholly inside the frame.
    const auto& frame = Control(kFrameName, forms::kNoMember);
    EXPECT_LE(option.left + option.width, frame.width);
    EXPECT_LE(option.top + option.height, frame.height);
  }
}

TEST(LayoutTest, ListsHoldTheContentRowsInOrder) {
  auto rows = [](int16_t member) {
    const auto& list = Control(kListArray, member).rows;
    return std::vector<std::string_view>(list.begin(), list.end());
  };
  using Rows = std::vector<std::string_view>;
  EXPECT_EQ(rows(kDescriptionList),
            Rows(quiz::kDescriptions.begin(), quiz::kDescriptions.end()));
  EXPECT_EQ(rows(kGaitKeyList), (Rows{"2", "3", "4", "1", "0"}));
  EXPECT_EQ(rows(kDescriptionKeyList), (Rows{"4", "1", "0", "3", "2"}));
  EXPECT_EQ(Control(kTextArray, kMessageBox).caption, quiz::kStartText);
}

}  // namespace
}  // namespace trovanel
