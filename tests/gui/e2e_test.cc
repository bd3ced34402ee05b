// The Trovanel window with the real backend on a real X display, driven by
// XTest clicks and key presses and read back from what the widgets show.

// Xlib's macros None and Bool clash with names in GoogleTest: its header
// comes first, the X ones after.
// clang-format off
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <X11/keysym.h>

#include <string>

#include "forms/core/conversions.h"
#include "forms/fltk/text_widget.h"
#include "quiz/quiz_content.h"
#include "tests/gui/window_under_test.h"
#include "window/trovanel_layout.h"
// clang-format on

namespace trovanel_test {
namespace {

using trovanel::kDescriptionList;
using trovanel::kListArray;
using trovanel::kMessageBox;
using trovanel::kOptionArray;
using trovanel::kTextArray;

constexpr int16_t kRavan = 2;  // "Раван"
constexpr int16_t kTras = 3;   // "Тръс "

std::string Shown(std::string_view message) { return std::string(message); }

// What the check must answer for a pair, worked out from the content's keys.
std::string Expected(int gait, int row) {
  double gait_key = forms::NumericPrefix(quiz::kGaitKeys[gait]);
  double row_key = forms::NumericPrefix(quiz::kDescriptionKeys[row]);
  return Shown(gait_key == row_key ? quiz::kCorrectMessage
                                   : quiz::kWrongMessage);
}

class TrovanelWindow : public ::testing::Test {
 protected:
  // The model and the widgets must agree; this returns the message shown.
  std::string Message() {
    auto* text = static_cast<const forms::TextBox*>(
        &window_.Control(kTextArray, kMessageBox));
    EXPECT_EQ(window_.ShownMessage(),
              forms::fltk::TextWidget::ForDisplay(text->text()));
    return window_.ShownMessage();
  }

  void TearDown() override { EXPECT_EQ(window_.reported_error(), ""); }

  WindowUnderTest window_;
};

TEST_F(TrovanelWindow, OpensWithTheStartTextNoChoiceAndFocusInTheMessageBox) {
  EXPECT_EQ(Message(), forms::fltk::TextWidget::ForDisplay(quiz::kStartText));
  EXPECT_EQ(Message().find('\r'), std::string::npos);
  EXPECT_EQ(window_.ShownRow(), -1);
  EXPECT_EQ(window_.ShownOption(), -1);
  EXPECT_EQ(Fl::focus(), window_.Widget(kTextArray, kMessageBox));
}

TEST_F(TrovanelWindow, HiddenControlsHaveNoWidget) {
  for (const auto& control : window_.app().form().controls()) {
    Fl_Widget* widget = window_.window().WidgetFor(*control);
    if (control->description().visible) {
      ASSERT_NE(widget, nullptr) << control->array() << control->member();
      EXPECT_TRUE(widget->visible_r());
    } else {
      EXPECT_EQ(widget, nullptr) << control->array() << control->member();
    }
  }
}

TEST_F(TrovanelWindow, ClicksOnRavanThenRowsThenTrasAnswerInTurn) {
  window_.ClickOption(kRavan);
  EXPECT_EQ(window_.ShownOption(), kRavan);
  EXPECT_EQ(Message(), Shown(quiz::kMissingChoiceMessage));
  window_.ClickRow(0);
  EXPECT_EQ(window_.ShownRow(), 0);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
  window_.ClickRow(1);
  EXPECT_EQ(window_.ShownRow(), 1);
  EXPECT_EQ(Message(), Shown(quiz::kWrongMessage));
  window_.ClickOption(kTras);
  EXPECT_EQ(window_.ShownOption(), kTras);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
}

TEST_F(TrovanelWindow, EveryPairOfClicksGetsItsAnswer) {
  for (int16_t gait = 0; gait < quiz::kGaitCount; ++gait) {
    for (int row = 0; row < quiz::kDescriptionCount; ++row) {
      window_.ClickOption(gait);
      window_.ClickRow(row);
      EXPECT_EQ(window_.ShownOption(), gait);
      EXPECT_EQ(window_.ShownRow(), row);
      EXPECT_EQ(Message(), Expected(gait, row)) << gait << "/" << row;
    }
  }
}

TEST_F(TrovanelWindow, StartTextStaysUntilTheFirstCheck) {
  const std::string start = Message();
  window_.Key(XK_Down);  // scrolls the message box
  window_.Key(XK_Escape);
  window_.ClickControl(trovanel::kLabelArray, 0);
  window_.ClickControl(trovanel::kFrameName, forms::kNoMember, 0.5, 0.98);
  window_.Key(XK_Tab);  // through the option group, choosing nothing
  window_.Key(XK_Tab);
  EXPECT_EQ(window_.ShownOption(), -1);
  EXPECT_EQ(Message(), start);
  window_.ClickRow(2);
  EXPECT_EQ(Message(), Shown(quiz::kMissingChoiceMessage));
}

TEST_F(TrovanelWindow, TabVisitsMessageOptionGroupAndListOnce) {
  Fl_Widget* message = window_.Widget(kTextArray, kMessageBox);
  Fl_Widget* list = window_.Widget(kListArray, kDescriptionList);
  Fl_Widget* first_option = window_.Widget(kOptionArray, 0);
  EXPECT_EQ(Fl::focus(), message);
  window_.Key(XK_Tab);
  EXPECT_EQ(Fl::focus(), first_option);
  window_.Key(XK_Tab);
  EXPECT_EQ(Fl::focus(), list);
  window_.Key(XK_Tab);
  EXPECT_EQ(Fl::focus(), message);
  window_.Key(XK_Tab, XK_Shift_L);
  EXPECT_EQ(Fl::focus(), list);
}

TEST_F(TrovanelWindow, ArrowKeysInTheListMoveRowByRowAndCheckEachTime) {
  window_.ClickOption(kTras);  // its key matches row 1 only
  window_.Widget(kListArray, kDescriptionList)->take_focus();
  window_.Pump();
  window_.Key(XK_Down);  // no row yet: the first row
  EXPECT_EQ(window_.ShownRow(), 0);
  EXPECT_EQ(Message(), Expected(kTras, 0));
  window_.Key(XK_Down);
  EXPECT_EQ(window_.ShownRow(), 1);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
  window_.Key(XK_Right);
  EXPECT_EQ(window_.ShownRow(), 2);
  EXPECT_EQ(Message(), Expected(kTras, 2));
  window_.Key(XK_Up);
  EXPECT_EQ(window_.ShownRow(), 1);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
  window_.Key(XK_End);
  EXPECT_EQ(window_.ShownRow(), quiz::kDescriptionCount - 1);
  window_.Key(XK_Down);  // stays on the last row
  EXPECT_EQ(window_.ShownRow(), quiz::kDescriptionCount - 1);
  window_.Key(XK_Home);
  window_.Key(XK_Left);
  EXPECT_EQ(window_.ShownRow(), 0);
  EXPECT_EQ(Fl::focus(), window_.Widget(kListArray, kDescriptionList));
}

TEST_F(TrovanelWindow, ArrowKeysInTheOptionGroupChooseInShownOrder) {
  window_.ClickRow(1);  // only "Тръс " belongs to row 1
  window_.ClickOption(kRavan);
  EXPECT_EQ(Message(), Expected(kRavan, 1));
  window_.Key(XK_Down);
  EXPECT_EQ(window_.ShownOption(), kTras);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
  EXPECT_EQ(Fl::focus(), window_.Widget(kOptionArray, kTras));
  window_.Key(XK_Up);
  EXPECT_EQ(window_.ShownOption(), kRavan);
  EXPECT_EQ(Message(), Expected(kRavan, 1));
  window_.Key(XK_Left);
  EXPECT_EQ(window_.ShownOption(), 1);
  window_.Key(XK_Right);
  window_.Key(XK_Right);
  EXPECT_EQ(window_.ShownOption(), kTras);
  EXPECT_EQ(Message(), Shown(quiz::kCorrectMessage));
  // The group stays one tab stop: from the chosen option to the list.
  window_.Key(XK_Tab);
  EXPECT_EQ(Fl::focus(), window_.Widget(kListArray, kDescriptionList));
}

TEST_F(TrovanelWindow, SpaceChoosesTheFocusedOption) {
  window_.Key(XK_Tab);  // the first option takes the focus, unchosen
  EXPECT_EQ(window_.ShownOption(), -1);
  window_.Key(XK_space);
  EXPECT_EQ(window_.ShownOption(), 0);
  EXPECT_EQ(Message(), Shown(quiz::kMissingChoiceMessage));
}

TEST_F(TrovanelWindow, EscapeDoesNotCloseTheWindow) {
  window_.Key(XK_Escape);
  EXPECT_TRUE(window_.window().window().shown());
}

}  // namespace
}  // namespace trovanel_test
