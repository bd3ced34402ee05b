// What the keys do in the Trovanel form, headless: the rules every backend
// applies (forms/core/keyboard.h).
#include "forms/core/keyboard.h"

#include <gtest/gtest.h>

#include "quiz/built_in_exercise.h"
#include "tests/support/answers.h"
#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/trovanel_app.h"

namespace trovanel_test {
namespace {

using forms::Key;
using forms::KeyResult;
using forms::KeyStroke;

class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() { app_.Load(); }

  forms::Control* Get(std::string_view array, int16_t member) {
    return &FindControl(app_.form(), array, member);
  }
  forms::Control* Option(int16_t member) { return Get("Option1", member); }
  forms::ListBox& List() {
    return FindControl<forms::ListBox>(app_.form(), "List1", 0);
  }
  forms::Control* Message() { return Get("Text1", 0); }
  std::string_view Shown() {
    return FindControl<forms::TextBox>(app_.form(), "Text1", 0).text();
  }

  // Where the key takes the focus from `from`.
  forms::Control* Tab(forms::Control* from, bool shift = false) {
    const KeyResult result = keyboard_.Press(from, {Key::kTab, shift});
    EXPECT_TRUE(result.handled);
    return result.focus;
  }
  // A key on the list, which shows `page_rows` whole rows from `top_row`.
  int ListKey(KeyStroke press, int top_row = 0, int page_rows = 5) {
    EXPECT_TRUE(keyboard_.Press(&List(), press, {top_row, page_rows}).handled);
    return List().current_row();
  }
  int Typed(char32_t character) {
    return ListKey({Key::kCharacter, false, character});
  }

  trovanel::TrovanelApp app_{trovanel::BuiltInLayout(),
                             quiz::BuiltInExercise()};
  forms::Keyboard keyboard_{app_.form()};
};

TEST_F(KeyboardTest, TabVisitsMessageBoxGroupAndListWithTheGroupAsOneStop) {
  EXPECT_EQ(keyboard_.First(), Message());
  // Tab indices 4, 5, 6, 7, 8 are members 4, 3, 0, 1, 2.
  EXPECT_EQ(Tab(Message()), Option(4));
  EXPECT_EQ(Tab(Option(4)), &List());
  EXPECT_EQ(Tab(&List()), Message());
  EXPECT_EQ(Tab(&List(), true), Option(2));
  EXPECT_EQ(Tab(Option(2), true), Message());
  EXPECT_EQ(Tab(Message(), true), &List());
  // The labels, the frame and the hidden controls take no focus.
  EXPECT_EQ(Tab(Get("Label1", 0)), Message());
  EXPECT_EQ(Tab(Get("List1", 1), true), &List());
  EXPECT_EQ(Tab(nullptr), Message());
  EXPECT_FALSE(forms::TakesFocus(*Get("Frame1", forms::kNoMember)));
  EXPECT_FALSE(forms::TakesFocus(*Get("Text1", 1)));
  EXPECT_TRUE(forms::TakesFocus(*Option(0)));
}

TEST_F(KeyboardTest, AChosenOptionIsWhereTheGroupIsEntered) {
  app_.form().UserChoosesOption(*static_cast<forms::OptionButton*>(Option(1)));
  EXPECT_EQ(Tab(Message()), Option(1));
  EXPECT_EQ(Tab(&List(), true), Option(1));
}

TEST_F(KeyboardTest, ArrowsChooseTheOptionBelowOrAboveAndWrap) {
  for (int16_t member = 0; member < kGaits; ++member) {
    for (Key key : {Key::kDown, Key::kRight, Key::kUp, Key::kLeft}) {
      const bool down = key == Key::kDown || key == Key::kRight;
      const auto next = static_cast<int16_t>((member + (down ? 1 : 4)) % 5);
      const KeyResult result = keyboard_.Press(Option(member), {key});
      EXPECT_TRUE(result.handled);
      EXPECT_EQ(result.focus, Option(next));
      EXPECT_EQ(ChosenMember(app_.form(), "Option1"), next);
    }
  }
}

// Here the list shows two whole rows from row 0, or every row.
TEST_F(KeyboardTest, ListKeysLeadWhereDesktopListsGo) {
  EXPECT_EQ(ListKey({Key::kUp}), 0);
  EXPECT_EQ(Shown(), kMissingChoice);
  EXPECT_EQ(ListKey({Key::kPageDown}, 0, 2), 1);
  EXPECT_EQ(ListKey({Key::kPageDown}, 0, 2), 2);
  EXPECT_EQ(ListKey({Key::kRight}), 3);
  EXPECT_EQ(ListKey({Key::kPageUp}, 2, 2), 2);
  EXPECT_EQ(ListKey({Key::kPageUp}, 2, 2), 1);
  EXPECT_EQ(ListKey({Key::kEnd}), 4);
  EXPECT_EQ(ListKey({Key::kDown}), 4);
  EXPECT_EQ(ListKey({Key::kLeft}), 3);
  EXPECT_EQ(ListKey({Key::kHome}), 0);
  EXPECT_EQ(ListKey({Key::kPageDown}), 4);
}

// The rows start with "е", "е", "к", "к", "п": a letter goes to the next row
// that starts with it, going round, in either case.
TEST_F(KeyboardTest, ATypedLetterGoesToTheNextRowStartingWithItInAnyCase) {
  EXPECT_EQ(Typed(U'к'), 2);
  EXPECT_EQ(Typed(U'К'), 3);
  EXPECT_EQ(Typed(U'К'), 2);
  EXPECT_EQ(Typed(U'П'), 4);
  EXPECT_EQ(Typed(U'Е'), 0);
  EXPECT_EQ(Typed(U'x'), 0);
  EXPECT_EQ(Typed(U' '), 0);
}

TEST_F(KeyboardTest, EnterAndEscapeDoNothingAnywhere) {
  for (forms::Control* focused : {Message(), Option(2), Get("List1", 0)}) {
    for (Key key : {Key::kEnter, Key::kEscape}) {
      const KeyResult result = keyboard_.Press(focused, {key});
      EXPECT_TRUE(result.handled);
      EXPECT_EQ(result.focus, nullptr);
    }
  }
  EXPECT_EQ(ChosenMember(app_.form(), "Option1"), -1);
  EXPECT_EQ(List().current_row(), -1);
}

// What the form leaves to the widgets: the text box scrolls with the
// arrows, and a character types nothing outside the list.
TEST_F(KeyboardTest, TheTextBoxKeepsItsArrowsAndOnlyTheListTakesLetters) {
  EXPECT_FALSE(keyboard_.Press(Message(), {Key::kDown}).handled);
  EXPECT_FALSE(
      keyboard_.Press(Message(), {Key::kCharacter, false, U'к'}).handled);
  EXPECT_FALSE(
      keyboard_.Press(Option(0), {Key::kCharacter, false, U' '}).handled);
  EXPECT_EQ(ChosenMember(app_.form(), "Option1"), -1);
}

}  // namespace
}  // namespace trovanel_test
