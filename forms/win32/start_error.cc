#include "forms/win32/start_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "forms/core/runtime_error.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

int ReportCannotStart(std::string_view title, std::string_view line) {
  std::fprintf(stderr, "%s\n", std::string(line).c_str());
  std::fflush(stderr);
  MessageBoxW(nullptr, Utf8ToWide(line).c_str(), Utf8ToWide(title).c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  return kExitCannotStart;
}

}  // namespace forms::win32
