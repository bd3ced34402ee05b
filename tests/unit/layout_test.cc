#include <set>
#include <string>
#include <utility>

#include "forms/core/form.h"
#include "gtest/gtest.h"
#include "app/trovanel_layout.h"

namespace trovanel {
namespace {

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

}  // namespace
}  // namespace trovanel
