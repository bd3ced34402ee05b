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
#include "tests/gui/table_geometry.h"
#include "tests/support/form_lookup.h"
#include "window/trovanel_layout.h"

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

WindowUnderTest::WindowUnderTest() : input_(OpenedDisplay()) {
  window_ = std::make_unique<forms::fltk::FltkForm>(app_.form(),
                                                    forms::fltk::LogicalDpi());
  app_.form().SetObserver(window_.get());
  app_.form().SetErrorReporter([this](const forms::RuntimeError& error) {
    reported_error_ = error.what();
  });
  app_.Load();
  window_->Show();
  window_->window().wait_for_expose();
  Pump();
}

WindowUnderTest::~WindowUnderTest() {
  app_.form().SetObserver(nullptr);
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

void WindowUnderTest::RootPoint(const forms::Control& control, double fx,
                                double fy, int* x, int* y) {
  input_.Origin(fl_xid(&window_->window()), x, y);
  Rect rect = TableRect(control.description());
  *x += rect.x + static_cast<int>(rect.width * fx);
  *y += rect.y + static_cast<int>(rect.height * fy);
}

void WindowUnderTest::ClickAt(const forms::Control& control, double fx,
                              double fy) {
  int x, y;
  RootPoint(control, fx, fy, &x, &y);
  input_.ClickAt(x, y);
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
  int from_x, from_y, to_x, to_y;
  RootPoint(FindControl(form(), kOptionArray, static_cast<int16_t>(member)),
            0.5, 0.5, &from_x, &from_y);
  RootPoint(FindControl(form(), trovanel::kLabelArray, 0), 0.5, 0.5, &to_x,
            &to_y);
  input_.DragFromTo(from_x, from_y, to_x, to_y);
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
