#include "tests/support/scenario_player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "tests/support/answers.h"
#include "tests/support/form_lookup.h"
#include "app/trovanel_layout.h"

namespace trovanel_test {
namespace {

void ExpectMessage(Harness& harness, std::string_view text) {
  const auto& box = FindControl<forms::TextBox>(
      harness.form(), trovanel::kTextArray, trovanel::kMessageBox);
  EXPECT_EQ(box.text(), text) << "in the model";
  EXPECT_EQ(harness.ShownMessage(), harness.AsShown(text)) << "in the box";
}

void ExpectChosen(Harness& harness, int member) {
  EXPECT_EQ(ChosenMember(harness.form(), trovanel::kOptionArray), member)
      << "in the model";
  EXPECT_EQ(harness.ShownOption(), member) << "in the options";
}

void ExpectSelected(Harness& harness, int row) {
  EXPECT_EQ(FindControl<forms::ListBox>(harness.form(), trovanel::kListArray,
                                        trovanel::kDescriptionList)
                .current_row(),
            row)
      << "in the model";
  EXPECT_EQ(harness.ShownRow(), row) << "in the list";
}

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

void Play(Harness& harness, const Step& step) {
  SCOPED_TRACE(step.where);
  switch (step.kind) {
    case Step::Kind::kOption:
      return harness.ClickOption(step.number);
    case Step::Kind::kRow:
      return harness.ClickRow(step.number);
    case Step::Kind::kPressBack:
      return harness.PressBack(step.number);
    case Step::Kind::kKey:
      EXPECT_TRUE(harness.Key(step.text)) << "no such key";
      return;
    case Step::Kind::kSayStart:  // of whichever exercise the window holds
      return ExpectMessage(harness,
                           FindControl(harness.form(), trovanel::kTextArray,
                                       trovanel::kMessageBox)
                               .description()
                               .caption);
    case Step::Kind::kSay:
      return ExpectMessage(harness, step.text);
    case Step::Kind::kFocus:
      EXPECT_EQ(harness.Focus(),
                step.number < 0
                    ? step.text
                    : step.text + " " + std::to_string(step.number));
      return;
    case Step::Kind::kChosen:
      return ExpectChosen(harness, step.number);
    case Step::Kind::kSelected:
      return ExpectSelected(harness, step.number);
  }
}

void Play(Harness& harness, const Scenario& scenario) {
  for (const Step& step : scenario.steps) Play(harness, step);
}

void PlayExampleExercises(
    const std::string& root,
    const std::function<void(const trovanel::OpenedExercise&, const Scenario&)>&
        play) {
  for (const std::string name : {"states-of-water", "cell-organelles"}) {
    SCOPED_TRACE(name);
    const trovanel::OpenedExercise opened(
        ReadText(root + "/exercises/" + name + ".trovanel"), name);
    ASSERT_TRUE(opened.ok()) << opened.error();
    const std::vector<Scenario> scenarios = ParseScenarios(
        ReadText(root + "/tests/scenarios/exercises/" + name + ".txt")
            .value_or(""),
        name);
    ASSERT_FALSE(scenarios.empty());
    for (const Scenario& scenario : scenarios) play(opened, scenario);
  }
}

void PlayEveryPair(Harness& harness) {
  for (int gait = 0; gait < kGaits; ++gait) {
    for (int row = 0; row < kRows; ++row) {
      SCOPED_TRACE("gait " + std::to_string(gait) + ", row " +
                   std::to_string(row));
      if ((gait + row) % 2 == 1) {
        harness.ClickRow(row);
        harness.ClickOption(gait);
      } else {
        harness.ClickOption(gait);
        harness.ClickRow(row);
      }
      ExpectChosen(harness, gait);
      ExpectSelected(harness, row);
      ExpectMessage(harness, Verdict(gait, row));
    }
  }
}

}  // namespace trovanel_test
