#include "forms/fltk/accessibility/bus_presence.h"

#include <X11/Xatom.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace forms::fltk::accessibility {
namespace {

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

bool UserBusSocket() {
  if (!Set("XDG_RUNTIME_DIR")) return false;
  std::string path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus";
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

bool RootWindowAnnouncesBus(Display* display) {
  // Without the atom nobody has ever announced a bus on this display.
  Atom atom = XInternAtom(display, "AT_SPI_BUS", True);
  if (atom == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  int status = XGetWindowProperty(display, DefaultRootWindow(display), atom, 0,
                                  0, False, AnyPropertyType, &type, &format,
                                  &count, &remaining, &data);
  if (data) XFree(data);
  return status == Success && type != None;
}

}  // namespace

bool AccessibilityBusPresent(Display* display) {
  const char* off = std::getenv("NO_AT_BRIDGE");
  if (off && std::strcmp(off, "1") == 0) return false;
  return Set("DBUS_SESSION_BUS_ADDRESS") || UserBusSocket() ||
         (display && RootWindowAnnouncesBus(display));
}

}  // namespace forms::fltk::accessibility
