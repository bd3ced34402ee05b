#include "tests/gui/window_under_test.h"

#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdlib>

#include "forms/fltk/display.h"
#include "forms/fltk/text_widget.h"
#include "quiz/quiz_content.h"
#include "tests/gui/table_geometry.h"
#include "window/trovanel_layout.h"

namespace trovanel_test {

namespace {

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

const forms::Control& WindowUnderTest::Control(const char* array,
                                               int16_t member) {
  forms::Control* control = nullptr;
  forms::CheckStatus(app_.form().Find(array, member, &control));
  return *control;
}

Fl_Widget* WindowUnderTest::Widget(const char* array, int16_t member) {
  return window_->WidgetFor(Control(array, member));
}

void WindowUnderTest::RootRect(const forms::Control& control, int* x, int* y,
                               int* width, int* height) {
  input_.Origin(fl_xid(&window_->window()), x, y);
  Rect rect = TableRect(control.description());
  *x += rect.left;
  *y += rect.top;
  *width = rect.width;
  *height = rect.height;
}

void WindowUnderTest::ClickControl(const char* array, int16_t member, double fx,
                                   double fy) {
  int x, y, width, height;
  RootRect(Control(array, member), &x, &y, &width, &height);
  input_.ClickAt(x + static_cast<int>(width * fx),
                 y + static_cast<int>(height * fy));
  Pump();
}

void WindowUnderTest::ClickOption(int16_t member) {
  ClickControl(trovanel::kOptionArray, member);
}

void WindowUnderTest::ClickRow(int row) {
  const auto& list = Control(trovanel::kListArray, trovanel::kDescriptionList);
  auto* browser = static_cast<Fl_Hold_Browser*>(window_->WidgetFor(list));
  int x, y, width, height;
  RootRect(list, &x, &y, &width, &height);
  fl_font(browser->textfont(), browser->textsize());
  const int row_height = fl_height();
  input_.ClickAt(x + width / 3, y + Fl::box_dy(browser->box()) +
                                    row * row_height + row_height / 2);
  Pump();
}

void WindowUnderTest::Key(unsigned long keysym, unsigned long modifier) {
  input_.PressKey(keysym, modifier);
  Pump();
}

std::string WindowUnderTest::ShownMessage() {
  auto* text = static_cast<forms::fltk::TextWidget*>(
      Widget(trovanel::kTextArray, trovanel::kMessageBox));
  return text->shown_text();
}

int WindowUnderTest::ShownRow() {
  auto* browser = static_cast<Fl_Hold_Browser*>(
      Widget(trovanel::kListArray, trovanel::kDescriptionList));
  return browser->value() - 1;
}

int WindowUnderTest::ShownOption() {
  int shown = -1;
  for (int16_t member = 0; member < quiz::kGaitCount; ++member) {
    auto* button =
        static_cast<Fl_Round_Button*>(Widget(trovanel::kOptionArray, member));
    if (button->value()) shown = shown == -1 ? member : -2;
  }
  return shown;
}

}  // namespace trovanel_test
