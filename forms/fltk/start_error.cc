#include "forms/fltk/start_error.h"

#include <FL/fl_ask.H>

#include <cstdio>
#include <string>

#include "forms/core/runtime_error.h"
#include "forms/fltk/display.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

int ReportCannotStart(const char* title, std::string_view line,
                      const FontDescription& font) {
  const std::string text(line);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  std::string no_display;
  if (OpenDisplay(&no_display)) {
    const Style style(font, LogicalDpi());
    fl_close = "Затвори";
    fl_message_title(title);
    fl_message_font(style.font(), style.font_pixels());
    fl_alert("%s", text.c_str());
  }
  return kExitCannotStart;
}

}  // namespace forms::fltk
