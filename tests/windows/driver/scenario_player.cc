#include "tests/windows/driver/scenario_player.h"

#include <gtest/gtest.h>

#include <string>

#include "quiz/quiz_content.h"
#include "tests/support/answers.h"

namespace trovanel_test {
namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kMessageBox;
using trovanel::kOptionArray;
using trovanel::kTextArray;

void ExpectMessage(Session& session, std::string_view text) {
  EXPECT_EQ(session.Model<forms::TextBox>(kTextArray, kMessageBox).text(), text)
      << "in the model";
  EXPECT_EQ(session.ShownText(session.Widget(kTextArray, kMessageBox)), text)
      << "in the text box";
}

// The model's one chosen option, and every option widget showing it.
void ExpectChosen(Session& session, int member) {
  EXPECT_EQ(ChosenMember(session.app().form(), kOptionArray), member);
  for (int16_t option = 0; option < session.OptionCount(); ++option) {
    LRESULT check =
        SendMessageW(session.Widget(kOptionArray, option), BM_GETCHECK, 0, 0);
    EXPECT_EQ(check == BST_CHECKED, option == member) << "option " << option;
  }
}

void ExpectSelected(Session& session, int row) {
  EXPECT_EQ(
      session.Model<forms::ListBox>(kListArray, kDescriptionList).current_row(),
      row)
      << "in the model";
  EXPECT_EQ(SendMessageW(session.Widget(kListArray, kDescriptionList),
                         LB_GETCURSEL, 0, 0),
            row)
      << "in the list";
}

void ExpectFocus(Session& session, const Step& step) {
  std::string where = step.text;
  if (step.number >= 0) where += " " + std::to_string(step.number);
  EXPECT_EQ(session.Focused(), where);
  if (where != "message") return;
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(session.Widget(kTextArray, kMessageBox), EM_GETSEL,
               reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "text highlighted in the message box";
}

}  // namespace

void Play(Session& session, const Step& step) {
  SCOPED_TRACE(step.where);
  switch (step.kind) {
    case Step::Kind::kOption:
      return session.ClickOption(static_cast<int16_t>(step.number));
    case Step::Kind::kRow:
      return session.ClickRow(static_cast<int16_t>(step.number));
    case Step::Kind::kPressBack:
      return session.PressBack(static_cast<int16_t>(step.number));
    case Step::Kind::kKey:
      return session.Key(step.text);
    case Step::Kind::kSayStart:
      // The start text of whichever exercise the window holds.
      return ExpectMessage(
          session, session.Model<forms::TextBox>(kTextArray, kMessageBox)
                       .description()
                       .caption);
    case Step::Kind::kSay:
      return ExpectMessage(session, step.text);
    case Step::Kind::kFocus:
      return ExpectFocus(session, step);
    case Step::Kind::kChosen:
      return ExpectChosen(session, step.number);
    case Step::Kind::kSelected:
      return ExpectSelected(session, step.number);
  }
}

}  // namespace trovanel_test
