#include "forms/fltk/error_report.h"

#include <FL/fl_ask.H>

#include <cstdio>
#include <string>

namespace forms::fltk {

void ShowErrorReport(const RuntimeError& error, const Style& style) {
  const std::string line = FormatErrorReport(error);
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  fl_close = "Затвори";
  fl_message_title(kErrorReportTitle);
  fl_message_font(style.font(), style.font_pixels());
  fl_alert("%s", line.c_str());
}

}  // namespace forms::fltk
