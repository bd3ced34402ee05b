#include "forms/fltk/fltk_form.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <utility>
#include <vector>

#include "forms/core/geometry.h"
#include "forms/fltk/error_report.h"
#include "forms/fltk/form_window.h"
#include "forms/fltk/frame_widget.h"
#include "forms/fltk/list_widget.h"
#include "forms/fltk/option_widget.h"
#include "forms/fltk/text_widget.h"
#include "forms/fltk/window_hints.h"
#include "forms/fltk/xpm_image.h"

namespace forms::fltk {

namespace {

Fl_Align LabelAlign(Alignment alignment) {
  Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP;
  return alignment == Alignment::kCentre ? align : align | FL_ALIGN_LEFT;
}

}  // namespace

// A double-buffered window whose back buffer is a plain pixmap. FLTK's own
// takes the server's double-buffer extension when there is one, at three
// round trips and more of the server's time before the first paint.
class FltkForm::BufferedWindow : public FormWindow {
 public:
  BufferedWindow(int width, int height, Form& form, WidgetLookup widget_for)
      : FormWindow(width, height, form, std::move(widget_for)) {}
  ~BufferedWindow() override { FreeBackBuffer(); }

  // Past Fl_Double_Window's flush, which would take the extension: the
  // plain window's sets the clip to what needs drawing and calls draw().
  void flush() override {
    Fl_Window::flush();  // NOLINT(bugprone-parent-virtual-call)
  }
  void hide() override {
    FreeBackBuffer();
    Fl_Double_Window::hide();
  }

 protected:
  void draw() override {
    const Window screen = fl_window;
    if (screen != fl_xid(this)) {  // printed or captured: no buffer
      Fl_Double_Window::draw();
      return;
    }
    if (back_ == 0 || back_width_ != w() || back_height_ != h()) {
      FreeBackBuffer();
      back_ = fl_create_offscreen(w(), h());
      back_width_ = w();
      back_height_ = h();
      // A new buffer holds nothing yet: all of it is drawn.
      fl_clip_region(nullptr);
      clear_damage(FL_DAMAGE_ALL);
    }
    fl_window = back_;
    Fl_Double_Window::draw();
    fl_window = screen;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    fl_clip_box(0, 0, w(), h(), x, y, width, height);
    fl_copy_offscreen(x, y, width, height, back_, x, y);
  }

 private:
  void FreeBackBuffer() {
    if (back_ != 0) fl_delete_offscreen(back_);
    back_ = 0;
  }

  Fl_Offscreen back_ = 0;
  int back_width_ = 0;
  int back_height_ = 0;
};

FltkForm::FltkForm(Form& form, int dpi)
    : form_(form), style_(form.description().font, dpi) {
  const FormDescription& description = form.description();
  const Rect client = ClientRect(description, dpi);
  const int width = client.width;
  const int height = client.height;
  window_ = std::make_unique<BufferedWindow>(
      width, height, form, [this](const Control& c) { return WidgetFor(c); });
  window_->copy_label(std::string(description.title).c_str());
  window_->xclass(std::string(description.name).c_str());
  window_->color(ToFlColor(description.back_color));
  window_->labelfont(style_.font());
  window_->labelsize(style_.font_pixels());
  if (!description.resizable) window_->size_range(width, height, width, height);
  window_->callback(OnWindowCallback, this);
  Build(nullptr);
  window_->end();
}

FltkForm::~FltkForm() {
  // Widgets refer to the model's controls: they go first.
  window_.reset();
}

void FltkForm::Build(const Control* container) {
  std::vector<Control*> children;
  for (const auto& control : form_.controls()) {
    if (control->container() == container && control->description().visible) {
      children.push_back(control.get());
    }
  }
  for (Control* control : children) {
    const ControlDescription& d = control->description();
    const Rect rect = ControlRect(form_.description(), d, style_.dpi());
    Fl_Widget* widget =
        Create(*control, rect.left, rect.top, rect.width, rect.height);
    style_.Apply(d, *widget);
    widgets_[control] = widget;
    if (auto* frame = dynamic_cast<FrameWidget*>(widget)) {
      frame->begin();
      Build(control);
      frame->end();
      frame->MirrorOptions();
    }
  }
}

Fl_Widget* FltkForm::Create(Control& control, int x, int y, int width,
                            int height) {
  const ControlDescription& d = control.description();
  switch (d.kind) {
    case ControlKind::kListBox: {
      return new ListWidget(form_, static_cast<ListBox&>(control), style_, x, y,
                            width, height);
    }
    case ControlKind::kOptionButton: {
      auto* option = new OptionWidget(
          form_, static_cast<OptionButton&>(control), x, y, width, height);
      SetCaption(*option, d.caption);
      return option;
    }
    case ControlKind::kTextBox: {
      return new TextWidget(static_cast<const TextBox&>(control), style_, x, y,
                            width, height);
    }
    case ControlKind::kLabel: {
      auto* label = new Fl_Box(FL_FLAT_BOX, x, y, width, height, nullptr);
      label->align(LabelAlign(d.alignment));
      SetCaption(*label, d.caption);
      return label;
    }
    case ControlKind::kFrame: {
      auto* frame = new FrameWidget(x, y, width, height);
      SetCaption(*frame, d.caption);
      return frame;
    }
  }
  return nullptr;
}

Fl_Widget* FltkForm::WidgetFor(const Control& control) const {
  auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

void FltkForm::SetIcon(const char* const* xpm) {
  icon_ = ReadXpm(xpm);
  if (icon_ != nullptr) window_->icon(icon_.get());
}

void FltkForm::Show() {
  window_->show();
  WriteMotifHints(form_.description(), *window_);
  WriteLegacyTitle(form_.description(), *window_);
  window_->FocusFirst();
}

void FltkForm::ReportError(const RuntimeError& error) {
  exit_status_ = kExitRuntimeError;
  ShowErrorReport(error, style_);
  window_->hide();
}

int FltkForm::Run() {
  Fl::run();
  return exit_status_;
}

void FltkForm::ListRowChanged(const ListBox& list) {
  if (auto* widget = dynamic_cast<ListWidget*>(WidgetFor(list))) {
    widget->Mirror();
  }
}

void FltkForm::OptionChanged(const OptionButton& option) {
  Fl_Widget* widget = WidgetFor(option);
  if (widget == nullptr) return;
  if (auto* frame = dynamic_cast<FrameWidget*>(widget->parent())) {
    frame->MirrorOptions();
  } else if (auto* button = dynamic_cast<OptionWidget*>(widget)) {
    button->Mirror();
  }
}

void FltkForm::TextChanged(const TextBox& text) {
  if (auto* widget = dynamic_cast<TextWidget*>(WidgetFor(text))) {
    widget->Mirror();
  }
}

void FltkForm::OnWindowCallback(Fl_Widget* widget, void*) {
  // Escape arrives as a shortcut; only the close box or the window menu
  // close the window.
  if (Fl::event() == FL_SHORTCUT) return;
  widget->hide();
}

}  // namespace forms::fltk
