#include "forms/win32/error_dialog.h"

#include "forms/core/runtime_error.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

ErrorReporter ErrorDialog(const Win32Form& window) {
  return [&window](const RuntimeError& error) {
    MessageBoxW(window.hwnd(), Utf8ToWide(FormatErrorReport(error)).c_str(),
                Utf8ToWide(kErrorReportTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    PostQuitMessage(kExitRuntimeError);
  };
}

}  // namespace forms::win32
