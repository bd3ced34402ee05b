#include "tests/gui/window_under_test.h"

#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>

#include "forms/fltk/display.h"
#include "forms/fltk/text_widget.h"
#include "quiz/built_in_exercise.h"
#include "tests/support/form_lookup.h"
#include "app/built_in_layout.h"
#include "app/trovanel_layout.h"

namespace trovanel_test {

namespace {

using trovanel::kListArray;
using trovanel::kOptionArray;

Display* OpenedDisplay() {
  static Display* display = [] {
    std::string error;
    if (!forms::fltk::OpenDisplay(&error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::abort();
    }
    return fl_display;
  }();
  return display;
}

}  // namespace

WindowUnderTest::WindowUnderTest()
    : WindowUnderTest(trovanel::BuiltInLayout(), quiz::BuiltInExercise()) {}

WindowUnderTest::WindowUnderTest(const forms::FormDescription& layout,
                                 const quiz::Exercise& exercise)
    : app_(layout, exercise), input_(OpenedDisplay()) {
  input_.UseLayout(layout);
  window_ = std::make_unique<forms::fltk::FltkForm>(app_.form(),
                                                    forms::fltk::LogicalDpi());
  binding_ = std::make_unique<forms::WindowBinding>(
      app_.form(), *window_, [this](const forms::RuntimeError& error) {
        reported_error_ = error.what();
      });
  app_.Load();
  window_->Show();
  window_->window().wait_for_expose();
  Pump();
}

WindowUnderTest::~WindowUnderTest() {
  binding_.reset();
  window_.reset();
  Pump();
}

void WindowUnderTest::Pump() {
  for (int round = 0; round < 3; ++round) {
    XSync(fl_display, False);
    while (Fl::ready()) Fl::wait(0);
    Fl::flush();
  }
}

void WindowUnderTest::ClickAt(const forms::Control& control, double fx,
                              double fy) {
  input_.ClickAt(input_.ControlPoint(
      fl_xid(&window_->window()), control.array(), control.member(), fx, fy));
  Pump();
}

void WindowUnderTest::ClickOption(int member) {
  ClickAt(FindControl(form(), kOptionArray, static_cast<int16_t>(member)), 0.5,
          0.5);
}

void WindowUnderTest::ClickRow(int row) {
  const auto& list =
      FindControl(form(), kListArray, trovanel::kDescriptionList);
  auto* browser = static_cast<Fl_Hold_Browser*>(window_->WidgetFor(list));
  fl_font(browser->textfont(), browser->textsize());
  const int row_height = fl_height();
  const double top =
      Fl::box_dy(browser->box()) + row * row_height + row_height / 2;
  ClickAt(list, 1.0 / 3, top / browser->h());
}

void WindowUnderTest::PressBack(int member) {
  const Window window = fl_xid(&window_->window());
  input_.DragFromTo(
      input_.ControlPoint(window, kOptionArray, static_cast<int16_t>(member)),
      input_.ControlPoint(window, trovanel::kLabelArray, 0));
  Pump();
}

bool WindowUnderTest::Key(std::string_view name) {
  const bool known = input_.PressKey(name);
  Pump();
  return known;
}

std::string WindowUnderTest::ShownMessage() {
  auto* text = static_cast<forms::fltk::TextWidget*>(window_->WidgetFor(
      FindControl(form(), trovanel::kTextArray, trovanel::kMessageBox)));
  return text->shown_text();
}

int WindowUnderTest::ShownRow() {
  auto* browser = static_cast<Fl_Hold_Browser*>(window_->WidgetFor(
      FindControl(form(), kListArray, trovanel::kDescriptionList)));
  return browser->value() - 1;
}

int WindowUnderTest::ShownOption() {
  int shown = -1;
  for (const auto& control : form().controls()) {
    if (control->array() != kOptionArray) continue;
    auto* button = static_cast<Fl_Round_Button*>(window_->WidgetFor(*control));
    if (button->value()) shown = shown == -1 ? control->member() : -2;
  }
  return shown;
}

std::string WindowUnderTest::Focus() {
  for (const auto& control : form().controls()) {
    if (Fl::focus() == nullptr || Fl::focus() != window_->WidgetFor(*control)) {
      continue;
    }
    if (control->array() == kOptionArray) {
      return "option " + std::to_string(control->member());
    }
    if (control->array() == kListArray) return "list";
    if (control->array() == trovanel::kTextArray) return "message";
  }
  return "elsewhere";
}

}  // namespace trovanel_test
