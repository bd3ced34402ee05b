#include "forms/core/form.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "tests/support/form_lookup.h"

namespace forms {
namespace {

constexpr std::array<std::string_view, 3> kRows = {"a", "b", "c"};

// Two groups of options: three in a frame, two on the window itself.
const std::array<ControlDescription, 8> kControls = {{
    {.array = "List",
     .member = 0,
     .kind = ControlKind::kListBox,
     .rows = kRows},
    {.array = "Box", .kind = ControlKind::kFrame},
    {.array = "Opt",
     .member = 0,
     .kind = ControlKind::kOptionButton,
     .container = "Box"},
    {.array = "Opt",
     .member = 1,
     .kind = ControlKind::kOptionButton,
     .container = "Box"},
    {.array = "Opt",
     .member = 2,
     .kind = ControlKind::kOptionButton,
     .container = "Box"},
    {.array = "Opt", .member = 3, .kind = ControlKind::kOptionButton},
    {.array = "Opt", .member = 4, .kind = ControlKind::kOptionButton},
    {.array = "Text",
     .member = 0,
     .kind = ControlKind::kTextBox,
     .caption = "start"},
}};
const FormDescription kDescription = {.name = "Test", .controls = kControls};

// Records what the form tells a backend and which events it raises.
class FormTest : public ::testing::Test, public FormObserver {
 protected:
  FormTest() {
    form_.SetObserver(this);
    form_.OnClick("List", [this](int16_t m) {
      events_.push_back("List" + std::to_string(m));
    });
    form_.OnClick("Opt", [this](int16_t m) {
      events_.push_back("Opt" + std::to_string(m));
    });
    form_.SetErrorReporter(
        [this](const RuntimeError& e) { reports_.push_back(e.code()); });
  }

  void ListRowChanged(const ListBox& list) override {
    changes_.push_back("row" + std::to_string(list.current_row()));
  }
  void OptionChanged(const OptionButton& option) override {
    changes_.push_back("opt" + std::to_string(option.member()) +
                       (option.chosen() ? "+" : "-"));
  }
  void TextChanged(const TextBox& text) override {
    changes_.push_back("text:" + text.text());
  }

  template <typename T>
  T& Get(std::string_view array, int16_t member) {
    return trovanel_test::FindControl<T>(form_, array, member);
  }

  Form form_{kDescription};
  std::vector<std::string> events_;
  std::vector<std::string> changes_;
  std::vector<ErrorCode> reports_;
};

TEST_F(FormTest, ListRaisesClickOnlyOnARealChangeOfRow) {
  auto& list = Get<ListBox>("List", 0);
  EXPECT_EQ(list.current_row(), -1);
  EXPECT_EQ(list.SetCurrentRow(-1), CallStatus::kOk);
  EXPECT_EQ(list.SetCurrentRow(1), CallStatus::kOk);
  EXPECT_EQ(list.SetCurrentRow(1), CallStatus::kOk);
  form_.UserSelectsRow(list, 2);
  form_.UserSelectsRow(list, 2);
  EXPECT_EQ(list.SetCurrentRow(-1), CallStatus::kOk);
  EXPECT_EQ(events_, (std::vector<std::string>{"List0", "List0", "List0"}));
  EXPECT_EQ(changes_, (std::vector<std::string>{"row1", "row2", "row-1"}));
}

TEST_F(FormTest, ListRejectsRowsItDoesNotHave) {
  auto& list = Get<ListBox>("List", 0);
  std::string text;
  EXPECT_EQ(list.ItemText(2, &text), CallStatus::kOk);
  EXPECT_EQ(text, "c");
  EXPECT_EQ(list.ItemText(3, &text), CallStatus::kRowOutOfRange);
  EXPECT_EQ(list.ItemText(-1, &text), CallStatus::kRowOutOfRange);
  EXPECT_EQ(list.SetCurrentRow(3), CallStatus::kRowOutOfRange);
  EXPECT_EQ(list.SetCurrentRow(-2), CallStatus::kRowOutOfRange);
  form_.UserSelectsRow(list, 7);
  EXPECT_EQ(list.current_row(), -1);
  EXPECT_TRUE(events_.empty());
}

TEST_F(FormTest, ChoosingUnchoosesSiblingsOfTheSameContainerSilently) {
  form_.UserChoosesOption(Get<OptionButton>("Opt", 0));
  form_.UserChoosesOption(Get<OptionButton>("Opt", 3));  // other group
  changes_.clear();
  form_.UserChoosesOption(Get<OptionButton>("Opt", 2));
  EXPECT_EQ(changes_, (std::vector<std::string>{"opt0-", "opt2+"}));
  EXPECT_EQ(events_, (std::vector<std::string>{"Opt0", "Opt3", "Opt2"}));
  EXPECT_FALSE(Get<OptionButton>("Opt", 0).chosen());
  EXPECT_TRUE(Get<OptionButton>("Opt", 2).chosen());
  EXPECT_TRUE(Get<OptionButton>("Opt", 3).chosen());
}

TEST_F(FormTest, ChoosingTheChosenOptionOrClearingRaisesNothing) {
  auto& option = Get<OptionButton>("Opt", 1);
  form_.UserChoosesOption(option);
  form_.UserChoosesOption(option);
  EXPECT_EQ(option.Clear(), CallStatus::kOk);
  EXPECT_EQ(option.Clear(), CallStatus::kOk);
  EXPECT_FALSE(option.chosen());
  EXPECT_EQ(events_, (std::vector<std::string>{"Opt1"}));
  EXPECT_EQ(changes_, (std::vector<std::string>{"opt1+", "opt1-"}));
}

TEST_F(FormTest, MemberAccessFailsForAbsentMembersAndOtherKinds) {
  Control* control = nullptr;
  EXPECT_EQ(form_.Find("Opt", 5, &control), CallStatus::kNoSuchControl);
  EXPECT_EQ(form_.Find("Nothing", 0, &control), CallStatus::kNoSuchControl);
  EXPECT_EQ(form_.Find("Box", kNoMember, &control), CallStatus::kOk);
  ListBox* list = nullptr;
  EXPECT_EQ(form_.FindAs("Opt", 0, &list), CallStatus::kNoSuchControl);
  EXPECT_EQ(Get<OptionButton>("Opt", 2).container(), control);
  EXPECT_EQ(Get<TextBox>("Text", 0).text(), "start");
}

TEST_F(FormTest, NestedEventsRunBeforeTheSetterReturns) {
  auto& list = Get<ListBox>("List", 0);
  std::vector<int> order;
  form_.OnClick("Opt", [&](int16_t) {
    order.push_back(1);
    EXPECT_EQ(list.SetCurrentRow(0), CallStatus::kOk);
    order.push_back(3);
  });
  form_.OnClick("List", [&](int16_t) { order.push_back(2); });
  form_.UserChoosesOption(Get<OptionButton>("Opt", 0));
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(FormTest, RuntimeErrorLeavesEveryHandlerAndIsReportedOnce) {
  auto& list = Get<ListBox>("List", 0);
  bool outer_went_on = false;
  form_.OnClick("Opt", [&](int16_t) {
    (void)list.SetCurrentRow(0);
    outer_went_on = true;
  });
  form_.OnClick("List", [](int16_t) { CheckStatus(CallStatus::kFailed); });
  form_.UserChoosesOption(Get<OptionButton>("Opt", 0));
  EXPECT_FALSE(outer_went_on);
  EXPECT_EQ(reports_, (std::vector<ErrorCode>{ErrorCode::kControlCallFailed}));
  EXPECT_TRUE(form_.failed());

  // The program is ending: the pupil's further input changes nothing.
  form_.UserChoosesOption(Get<OptionButton>("Opt", 1));
  EXPECT_FALSE(Get<OptionButton>("Opt", 1).chosen());
  EXPECT_EQ(reports_.size(), 1u);
}

TEST(FormDescriptionTest, RejectsDuplicatesAndContainersListedLate) {
  const std::array<ControlDescription, 2> twice = {
      {{.array = "A", .member = 0}, {.array = "A", .member = 0}}};
  EXPECT_THROW(Form(FormDescription{.controls = twice}), std::invalid_argument);
  const std::array<ControlDescription, 2> late = {
      {{.array = "A", .member = 0, .container = "F"},
       {.array = "F", .kind = ControlKind::kFrame}}};
  EXPECT_THROW(Form(FormDescription{.controls = late}), std::invalid_argument);
}

}  // namespace
}  // namespace forms
