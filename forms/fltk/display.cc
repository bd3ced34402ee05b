#include "forms/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cmath>
#include <cstdlib>

#include "forms/core/units.h"

namespace forms::fltk {

bool OpenDisplay(std::string* error) {
  const char* name = std::getenv("DISPLAY");
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    *error = (name == nullptr || *name == '\0')
                 ? "cannot open the window: no display (DISPLAY is not set)"
                 : std::string("cannot open the window: display \"") + name +
                       "\" cannot be opened";
    return false;
  }
  fl_open_display(display);
  return true;
}

int LogicalDpi() {
  const char* value = XGetDefault(fl_display, "Xft", "dpi");
  if (value != nullptr) {
    char* end = nullptr;
    double dpi = std::strtod(value, &end);
    if (end != value && std::isfinite(dpi) && dpi >= 24 && dpi <= 960) {
      return static_cast<int>(std::lround(dpi));
    }
  }
  return kDefaultDpi;
}

}  // namespace forms::fltk
