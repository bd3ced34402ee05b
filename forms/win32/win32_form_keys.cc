// The keys the form answers itself, from the core's keyboard order and list
// keys, so that they lead where they do on every platform. The native list
// would move from its caret, which sits on row 0 while no row is selected.
#include <windows.h>

#include <optional>

#include "forms/core/list_keys.h"
#include "forms/win32/win32_form.h"

namespace forms::win32 {
namespace {

std::optional<ListKey> ListKeyOf(WPARAM key) {
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      return ListKey::kUp;
    case VK_DOWN:
    case VK_RIGHT:
      return ListKey::kDown;
    case VK_HOME:
      return ListKey::kHome;
    case VK_END:
      return ListKey::kEnd;
    case VK_PRIOR:
      return ListKey::kPageUp;
    case VK_NEXT:
      return ListKey::kPageDown;
    default:
      return std::nullopt;
  }
}

// The whole rows the list shows.
int PageRows(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  auto row_height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
  return row_height > 0 ? static_cast<int>(client.bottom / row_height) : 1;
}

}  // namespace

bool Win32Form::HandleKey(const MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    const Widget* from = Find(msg.hwnd);
    bool forward = GetKeyState(VK_SHIFT) >= 0;
    Focus(from ? order_.Next(*from->control, forward) : order_.First());
    return true;
  }
  const Widget* widget = Find(msg.hwnd);
  if (!widget) return false;
  Control& control = *widget->control;
  if (control.kind() == ControlKind::kOptionButton &&
      msg.message == WM_KEYDOWN) {
    return OnOptionKey(static_cast<OptionButton&>(control), msg.wParam);
  }
  if (control.kind() == ControlKind::kListBox) {
    return OnListKey(static_cast<ListBox&>(control), widget->hwnd, msg);
  }
  return false;
}

bool Win32Form::OnOptionKey(const OptionButton& option, WPARAM key) {
  int step = 0;
  if (key == VK_UP || key == VK_LEFT) step = -1;
  if (key == VK_DOWN || key == VK_RIGHT) step = 1;
  OptionButton* next = step ? order_.Neighbour(option, step) : nullptr;
  if (!next) return false;
  Focus(next);
  form_.UserChoosesOption(*next);
  return true;
}

bool Win32Form::OnListKey(ListBox& list, HWND widget, const MSG& msg) {
  int16_t row = -1;
  if (msg.message == WM_KEYDOWN) {
    std::optional<ListKey> key = ListKeyOf(msg.wParam);
    if (!key) return false;
    auto top_row = static_cast<int>(SendMessageW(widget, LB_GETTOPINDEX, 0, 0));
    row = RowAfterKey(list, *key, top_row, PageRows(widget));
  } else if (msg.message == WM_CHAR && msg.wParam >= 0x20 &&
             msg.wParam != 0x7F) {
    row = RowStartingWith(list, static_cast<char32_t>(msg.wParam));
  } else {
    return false;
  }
  if (row >= 0) {
    form_.UserSelectsRow(list, row);
    // The widget shows the model's row, whatever the model made of it.
    ListRowChanged(list);
  }
  return true;
}

}  // namespace forms::win32
