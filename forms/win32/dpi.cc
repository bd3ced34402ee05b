#include "forms/win32/dpi.h"

namespace forms::win32 {
namespace {

// Functions that newer systems have and Windows 7 lacks, looked up at run
// time so that the program still starts there.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL,
                                                       DWORD, UINT);

}  // namespace

int WindowDpi(HWND window) {
  static const auto kGetDpiForWindow =
      User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (kGetDpiForWindow && window) {
    if (UINT dpi = kGetDpiForWindow(window)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

SIZE OuterSizeForClient(int width, int height, DWORD style, DWORD ex_style,
                        int dpi) {
  static const auto kAdjustForDpi =
      User32Function<AdjustWindowRectExForDpiFunction>(
          "AdjustWindowRectExForDpi");
  RECT rect = {0, 0, width, height};
  if (kAdjustForDpi) {
    kAdjustForDpi(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace forms::win32
