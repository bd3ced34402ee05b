#include "forms/win32/native_widgets.h"

#include <string>

#include "forms/win32/wide_text.h"

namespace forms::win32 {
namespace {

struct WidgetClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

WidgetClass ClassFor(const ControlDescription& own) {
  switch (own.kind) {
    case ControlKind::kListBox:
      return {
          L"LISTBOX",
          static_cast<DWORD>(WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                             (own.scroll_width > 0 ? WS_HSCROLL : 0)),
          WS_EX_CLIENTEDGE};
    case ControlKind::kOptionButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::kTextBox: {
      DWORD style = ES_LEFT;
      // No ES_AUTOHSCROLL: lines wrap at the right edge.
      style |=
          own.multi_line
              ? static_cast<DWORD>(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL)
              : static_cast<DWORD>(ES_AUTOHSCROLL);
      if (own.locked) style |= ES_READONLY;
      return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::kLabel:
      return {L"STATIC",
              static_cast<DWORD>(
                  SS_NOPREFIX |
                  (own.alignment == Alignment::kCentre ? SS_CENTER : SS_LEFT)),
              0};
    case ControlKind::kFrame:
      return {L"BUTTON", BS_GROUPBOX, 0};
  }
  return {L"STATIC", SS_LEFT, 0};
}

}  // namespace

HWND CreateWidget(HWND parent, HINSTANCE instance, const Control& control,
                  int id) {
  const ControlDescription& own = control.description();
  WidgetClass widget_class = ClassFor(own);
  DWORD style = WS_CHILD | WS_VISIBLE | widget_class.style;
  std::wstring caption = Utf8ToWide(own.caption);
  HWND widget = CreateWindowExW(
      widget_class.ex_style, widget_class.name, caption.c_str(), style, 0, 0,
      own.width, own.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (widget && own.kind == ControlKind::kListBox) {
    for (std::string_view row : own.rows) {
      std::wstring text = Utf8ToWide(row);
      SendMessageW(widget, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  return widget;
}

int DefaultBackColorIndex(ControlKind kind) {
  switch (kind) {
    case ControlKind::kListBox:
    case ControlKind::kTextBox:
      return COLOR_WINDOW;
    case ControlKind::kOptionButton:
    case ControlKind::kLabel:
    case ControlKind::kFrame:
      break;
  }
  return COLOR_BTNFACE;
}

}  // namespace forms::win32
