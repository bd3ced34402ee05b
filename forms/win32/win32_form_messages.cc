// The window's and the widgets' messages: the pupil's input becomes model
// actions, and the controls take their colours from the description.
#include <windows.h>

#include <algorithm>

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

bool Win32Form::HandleKey(HWND target, WPARAM key) {
  if (key == VK_TAB) {
    const Widget* from = Find(target);
    bool forward = GetKeyState(VK_SHIFT) >= 0;
    Focus(from ? order_.Next(*from->control, forward) : order_.First());
    return true;
  }
  int step = 0;
  if (key == VK_UP || key == VK_LEFT) step = -1;
  if (key == VK_DOWN || key == VK_RIGHT) step = 1;
  const Widget* widget = Find(target);
  if (step == 0 || !widget) return false;
  Control& control = *widget->control;
  if (control.kind() == ControlKind::kOptionButton) {
    OptionButton* next =
        order_.Neighbour(static_cast<OptionButton&>(control), step);
    if (!next) return false;
    Focus(next);
    form_.UserChoosesOption(*next);
    return true;
  }
  if (control.kind() == ControlKind::kListBox) {
    // The native list moves from its caret, which sits on row 0 while no row
    // is selected, so Down would skip row 0: step from the model's row.
    StepListRow(static_cast<ListBox&>(control), step);
    return true;
  }
  return false;
}

void Win32Form::StepListRow(ListBox& list, int step) {
  if (list.row_count() == 0) return;
  int row = list.current_row() < 0 ? 0
                                   : std::clamp(list.current_row() + step, 0,
                                                list.row_count() - 1);
  if (row == list.current_row()) return;
  form_.UserSelectsRow(list, static_cast<int16_t>(row));
  ListRowChanged(list);
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
    Focus(order_.First());
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
