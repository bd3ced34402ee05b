#include "forms/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <clocale>
#include <cmath>
#include <cstdlib>

#include "forms/core/units.h"

namespace forms::fltk {

namespace {

// A failed request (a window gone before the answer) is worth a warning,
// never the end of the program, which Xlib's default handler would make it.
int WarnOfXError(Display* display, XErrorEvent* event) {
  char text[256];
  XGetErrorText(display, event->error_code, text, sizeof text);
  Fl::warning("X error: %s (request %d.%d)", text, event->request_code,
              event->minor_code);
  return 0;
}

}  // namespace

bool OpenDisplay(std::string* error) {
  // As FLTK sets up its own connection: the user's locale for input.
  std::setlocale(LC_CTYPE, "");
  XSetLocaleModifiers("");
  // Nothing here takes typed text, so no key sequence needs composing. The
  // input method would otherwise read the locale's whole compose table
  // (thousands of lines for UTF-8) before the first paint.
  setenv("XCOMPOSEFILE", "/dev/null", 0);
  const char* name = std::getenv("DISPLAY");
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    *error = (name == nullptr || *name == '\0')
                 ? "cannot open the window: no display (DISPLAY is not set)"
                 : std::string("cannot open the window: display \"") + name +
                       "\" cannot be opened";
    return false;
  }
  XSetErrorHandler(WarnOfXError);
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
