// The window's and the widgets' messages: the pupil's input becomes model
// actions, and the controls take their colours from the description.
#include <windows.h>

#include "forms/win32/native_widgets.h"
#include "forms/win32/win32_form.h"

namespace forms::win32 {

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) {
        OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = OnControlColor(reinterpret_cast<HDC>(wparam),
                                        reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client,
               BrushFor(ToColorRef(form_.description().back_color)));
      return 1;
    }
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      ApplyDpi(HIWORD(wparam));
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(kExitClosed);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Win32Form::OnCommand(HWND source, int code) {
  const Widget* widget = Find(source);
  if (!widget) return;
  Control& control = *widget->control;
  if (control.kind() == ControlKind::kListBox && code == LBN_SELCHANGE) {
    auto& list = static_cast<ListBox&>(control);
    auto row = static_cast<int16_t>(SendMessageW(source, LB_GETCURSEL, 0, 0));
    form_.UserSelectsRow(list, row);
    // The widget shows the model's row, whatever the model made of it.
    ListRowChanged(list);
  } else if (control.kind() == ControlKind::kOptionButton &&
             code == BN_CLICKED) {
    // An auto radio button also clicks itself when it merely gets the focus
    // (on activation, say); only the pupil's own click or key chooses.
    if (user_input_) {
      form_.UserChoosesOption(static_cast<OptionButton&>(control));
    }
    MirrorOptions();
  }
}

// A plain window forgets its focused control when it is deactivated; bring
// it back as a dialog does.
void Win32Form::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) saved_focus_ = focus;
    return;
  }
  if (saved_focus_ && IsWindow(saved_focus_)) {
    SetFocus(saved_focus_);
  } else {
    Focus(keyboard_.First());
  }
}

HBRUSH Win32Form::OnControlColor(HDC dc, HWND source) {
  const Widget* widget = Find(source);
  if (!widget) return nullptr;
  const ControlDescription& own = widget->control->description();
  COLORREF back = own.back_color ? ToColorRef(*own.back_color)
                                 : GetSysColor(DefaultBackColorIndex(own.kind));
  SetBkColor(dc, back);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return BrushFor(back);
}

HBRUSH Win32Form::BrushFor(COLORREF color) {
  auto [entry, added] = brushes_.try_emplace(color, nullptr);
  if (added) entry->second = CreateSolidBrush(color);
  return entry->second;
}

}  // namespace forms::win32
