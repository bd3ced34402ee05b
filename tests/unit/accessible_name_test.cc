#include "forms/core/accessible_name.h"

#include <array>
#include <string>
#include <vector>

#include "forms/core/line_breaks.h"
#include "gtest/gtest.h"
#include "tests/support/form_lookup.h"

namespace forms {
namespace {

using trovanel_test::FindControl;

// Labels that head a list and a text box, one that is hidden, one a little
// too high, one in another container, and a text box named for screen
// readers alone. Listed out of reading order.
const std::array<ControlDescription, 11> kControls = {{
    {.array = "Loose",
     .kind = ControlKind::kTextBox,
     .left = 0,
     .top = 3000,
     .width = 900,
     .height = 400,
     .accessible_name = "Бележка"},
    {.array = "Rows",
     .kind = ControlKind::kListBox,
     .left = 1000,
     .top = 400,
     .width = 900,
     .height = 600},
    {.array = "Heading",
     .kind = ControlKind::kLabel,
     .left = 1200,
     .top = 0,
     .width = 300,
     .height = 375,
     .caption = "Редове"},
    {.array = "Notes",
     .kind = ControlKind::kTextBox,
     .left = 0,
     .top = 1500,
     .width = 900,
     .height = 400},
    {.array = "High",
     .kind = ControlKind::kLabel,
     .left = 0,
     .top = 900,
     .width = 900,
     .height = 375,
     .caption = "твърде високо"},
    {.array = "Hidden",
     .kind = ControlKind::kLabel,
     .left = 0,
     .top = 1200,
     .width = 900,
     .height = 300,
     .visible = false,
     .caption = "скрито"},
    {.array = "Box",
     .kind = ControlKind::kFrame,
     .left = 0,
     .top = 2000,
     .width = 900,
     .height = 900,
     .caption = "Рамка"},
    {.array = "Inner",
     .kind = ControlKind::kLabel,
     .container = "Box",
     .left = 0,
     .top = 0,
     .width = 900,
     .height = 375,
     .caption = "вътре"},
    {.array = "Opt",
     .member = 0,
     .kind = ControlKind::kOptionButton,
     .container = "Box",
     .left = 500,
     .top = 400,
     .width = 300,
     .height = 300,
     .caption = "Втори"},
    {.array = "Opt",
     .member = 1,
     .kind = ControlKind::kOptionButton,
     .container = "Box",
     .left = 0,
     .top = 400,
     .width = 300,
     .height = 300,
     .caption = "Първи"},
    {.array = "Under",
     .kind = ControlKind::kTextBox,
     .left = 0,
     .top = 2375,
     .width = 900,
     .height = 400},
}};
const FormDescription kDescription = {.name = "Names", .controls = kControls};

class AccessibleNameTest : public ::testing::Test {
 protected:
  std::string NameOf(std::string_view array, int16_t member = kNoMember) {
    return std::string(
        AccessibleName(form_, FindControl(form_, array, member)));
  }
  std::vector<std::string> Order(const Control* container) {
    std::vector<std::string> names;
    for (const Control* control : ReadingOrder(form_, container)) {
      names.push_back(std::string(control->description().array));
    }
    return names;
  }

  Form form_{kDescription};
};

TEST_F(AccessibleNameTest, AFieldIsNamedByTheShownLabelRightOnItsTop) {
  // Side by side and its bottom within half its height of the top edge.
  EXPECT_EQ(LabelOf(form_, FindControl(form_, "Rows")),
            &FindControl<Label>(form_, "Heading"));
  EXPECT_EQ(NameOf("Rows"), "Редове");
  // The hidden label is right above; the shown one is too high.
  EXPECT_EQ(LabelOf(form_, FindControl(form_, "Notes")), nullptr);
  EXPECT_EQ(NameOf("Notes"), "");
  // The frame's own label is in another container.
  EXPECT_EQ(LabelOf(form_, FindControl(form_, "Under")), nullptr);
  // Only lists and text boxes take a label's name.
  EXPECT_EQ(LabelOf(form_, FindControl(form_, "Opt", 0)), nullptr);
}

TEST_F(AccessibleNameTest, TheDescribedNameComesFirstThenTheCaption) {
  EXPECT_EQ(NameOf("Loose"), "Бележка");
  EXPECT_EQ(NameOf("Opt", 1), "Първи");
  EXPECT_EQ(NameOf("Box"), "Рамка");
  EXPECT_EQ(NameOf("Heading"), "Редове");
}

TEST_F(AccessibleNameTest, ReadingOrderIsTopToBottomThenLeftToRight) {
  EXPECT_EQ(Order(nullptr),
            (std::vector<std::string>{"Heading", "Rows", "High", "Notes", "Box",
                                      "Under", "Loose"}));
  const Control& box = FindControl(form_, "Box");
  EXPECT_EQ(Order(&box), (std::vector<std::string>{"Inner", "Opt", "Opt"}));
  EXPECT_EQ(ReadingOrder(form_, &box)[1]->description().member, 1);
}

TEST(LineBreaksTest, EveryBreakBecomesOneLineFeed) {
  EXPECT_EQ(WithLineFeeds("a\r\nb\rc\nd\r\n\r\n"), "a\nb\nc\nd\n\n");
  EXPECT_EQ(WithLineFeeds("\r"), "\n");
  EXPECT_EQ(WithLineFeeds("без край "), "без край ");
}

}  // namespace
}  // namespace forms
