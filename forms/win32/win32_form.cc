#include "forms/win32/win32_form.h"

#include <windows.h>

#include <string>

#include "forms/core/geometry.h"
#include "forms/win32/dpi.h"
#include "forms/win32/native_widgets.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {
namespace {

// Widget ids, clear of those of the standard buttons (IDOK, IDCANCEL).
constexpr int kFirstWidgetId = 100;

DWORD WindowStyle(const FormDescription& form) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (form.resizable) style |= WS_THICKFRAME;
  if (form.min_button) style |= WS_MINIMIZEBOX;
  if (form.max_button) style |= WS_MAXIMIZEBOX;
  return style;
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name,
                         WNDPROC procedure) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace

COLORREF ToColorRef(uint32_t stored) {
  Rgb rgb = StoredColorToRgb(stored);
  return RGB(rgb.red, rgb.green, rgb.blue);
}

Win32Form::Win32Form(Form& form, HINSTANCE instance)
    : form_(form), keyboard_(form), instance_(instance) {
  const FormDescription& own = form.description();
  std::wstring class_name = Utf8ToWide(own.name);
  std::wstring title = Utf8ToWide(own.title);
  RegisterWindowClass(instance, class_name.c_str(), &Win32Form::WindowProc);
  hwnd_ =
      CreateWindowExW(0, class_name.c_str(), title.c_str(), WindowStyle(own),
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (!hwnd_) return;
  CreateWidgets(instance);
  ApplyDpi(WindowDpi(hwnd_));
  MirrorOptions();
}

Win32Form::~Win32Form() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_) DeleteObject(font_);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  for (HICON icon : icons_) {
    if (icon) DestroyIcon(icon);
  }
}

HWND Win32Form::WidgetOf(const Control& control) const {
  for (const Widget& widget : widgets_) {
    if (widget.control == &control) return widget.hwnd;
  }
  return nullptr;
}

const Win32Form::Widget* Win32Form::Find(HWND hwnd) const {
  for (const Widget& widget : widgets_) {
    if (widget.hwnd == hwnd) return &widget;
  }
  return nullptr;
}

// Hidden controls get no widget. Frames come last: native group boxes hold
// no children, so the options are their siblings, and a frame created after
// them lies under them, where it neither hides them nor catches their clicks.
void Win32Form::CreateWidgets(HINSTANCE instance) {
  int id = kFirstWidgetId;
  for (bool frames : {false, true}) {
    for (const auto& control : form_.controls()) {
      if (!control->description().visible ||
          (control->kind() == ControlKind::kFrame) != frames) {
        continue;
      }
      if (HWND hwnd = CreateWidget(hwnd_, instance, *control, id++)) {
        widgets_.push_back({control.get(), hwnd});
      }
    }
  }
}

// Places every widget, the font and the window's size for the given dpi:
// once at start, and again when the window moves to a monitor of another
// scale.
void Win32Form::ApplyDpi(int dpi) {
  dpi_ = dpi;
  const FormDescription& own = form_.description();
  const FontDescription& font = own.font;
  std::wstring face = Utf8ToWide(font.name);
  HFONT new_font = CreateFontW(
      -PointsToPixels(font.points, dpi), 0, 0, 0, font.weight, font.italic,
      font.underline, font.strikeout, static_cast<DWORD>(font.charset),
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  for (const Widget& widget : widgets_) {
    const ControlDescription& control = widget.control->description();
    Rect rect = ControlRect(form_.description(), control, dpi);
    SetWindowPos(widget.hwnd, nullptr, rect.left, rect.top, rect.width,
                 rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(widget.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(new_font),
                 TRUE);
    if (control.scroll_width > 0) {
      SendMessageW(widget.hwnd, LB_SETHORIZONTALEXTENT,
                   TwipsToPixels(control.scroll_width, dpi), 0);
    }
  }
  if (font_) DeleteObject(font_);
  font_ = new_font;

  auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  SIZE outer = OuterSizeForClient(TwipsToPixels(own.client_width, dpi),
                                  TwipsToPixels(own.client_height, dpi), style,
                                  ex_style, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetIcon(int icon_id) {
  if (icon_id == 0 || !hwnd_) return;
  const int metrics[2][2] = {{SM_CXICON, SM_CYICON},
                             {SM_CXSMICON, SM_CYSMICON}};
  const WPARAM kinds[2] = {ICON_BIG, ICON_SMALL};
  for (int i = 0; i < 2; ++i) {
    icons_[i] = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(icon_id), IMAGE_ICON,
                   GetSystemMetrics(metrics[i][0]),
                   GetSystemMetrics(metrics[i][1]), LR_DEFAULTCOLOR));
    if (icons_[i]) {
      SendMessageW(hwnd_, WM_SETICON, kinds[i],
                   reinterpret_cast<LPARAM>(icons_[i]));
    }
  }
}

void Win32Form::Show(int show_command) {
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  Focus(keyboard_.First());
}

void Win32Form::Focus(const Control* control) {
  HWND widget = control ? WidgetOf(*control) : nullptr;
  if (!widget) return;
  SetFocus(widget);
  saved_focus_ = widget;
}

void Win32Form::ListRowChanged(const ListBox& list) {
  if (HWND widget = WidgetOf(list)) {
    SendMessageW(widget, LB_SETCURSEL, static_cast<WPARAM>(list.current_row()),
                 0);
  }
}

void Win32Form::OptionChanged(const OptionButton&) { MirrorOptions(); }

void Win32Form::TextChanged(const TextBox& text) {
  if (HWND widget = WidgetOf(text)) {
    SetWindowTextW(widget, Utf8ToWide(text.text()).c_str());
  }
}

void Win32Form::MirrorOptions() {
  for (const Widget& widget : widgets_) {
    if (widget.control->kind() != ControlKind::kOptionButton) continue;
    bool chosen = static_cast<const OptionButton*>(widget.control)->chosen();
    SendMessageW(widget.hwnd, BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED,
                 0);
  }
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* created = static_cast<Win32Form*>(create->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self =
      reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

}  // namespace forms::win32
