#include "tests/support/x_client.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "forms/core/geometry.h"
#include "forms/core/units.h"
#include "forms/core/utf8.h"
#include "tests/support/form_lookup.h"
#include "tests/support/polling.h"
#include "app/trovanel_layout.h"

namespace trovanel_test {

namespace {

int Shift(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

}  // namespace

XClient::XClient() : display_(XOpenDisplay(nullptr)), owned_(true) {
  if (display_ == nullptr) {
    std::fprintf(stderr, "x_client: cannot open the display\n");
    std::abort();
  }
}

XClient::XClient(Display* shared) : display_(shared), owned_(false) {}

XClient::~XClient() {
  if (owned_) XCloseDisplay(display_);
}

std::optional<Window> XClient::FindWindow(const std::string& class_or_name) {
  Window root_return, parent;
  Window* children = nullptr;
  unsigned count = 0;
  XQueryTree(display_, DefaultRootWindow(display_), &root_return, &parent,
             &children, &count);
  std::optional<Window> found;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, children[i], &attributes) ||
        attributes.map_state != IsViewable) {
      continue;
    }
    XClassHint hint{};
    if (XGetClassHint(display_, children[i], &hint)) {
      if (class_or_name == hint.res_class) found = children[i];
      XFree(hint.res_name);
      XFree(hint.res_class);
    }
    if (!found && TextProperty(children[i], "_NET_WM_NAME") == class_or_name) {
      found = children[i];
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::optional<Window> XClient::WaitForWindow(
    const std::string& class_or_name, std::chrono::milliseconds timeout) {
  std::optional<Window> found;
  PollUntil([&] { return (found = FindWindow(class_or_name)).has_value(); },
            timeout);
  return found;
}

void XClient::Origin(Window window, int* x, int* y) {
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, x,
                        y, &child);
}

XClient::Point XClient::ControlPoint(Window window, std::string_view array,
                                     int16_t member, double fx, double fy) {
  const auto& layout =
      layout_ != nullptr ? *layout_ : trovanel::TrovanelLayout();
  const forms::Rect r = forms::ControlRect(
      layout, FindDescription(layout, array, member), forms::kDefaultDpi);
  Point point{0, 0};
  Origin(window, &point.x, &point.y);
  return {point.x + r.left + static_cast<int>(r.width * fx),
          point.y + r.top + static_cast<int>(r.height * fy)};
}

void XClient::ClickAt(Point point) {
  XTestFakeMotionEvent(display_, -1, point.x, point.y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void XClient::DragFromTo(Point from, Point to) {
  XTestFakeMotionEvent(display_, -1, from.x, from.y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeMotionEvent(display_, -1, to.x, to.y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

KeyCode XClient::KeycodeFor(KeySym keysym) {
  KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code != 0) return code;
  // A letter the server's keyboard lacks (a Cyrillic one on Xvfb): put it
  // on a keycode that has nothing, as switching the layout would.
  int first = 0;
  int last = 0;
  XDisplayKeycodes(display_, &first, &last);
  for (int c = last; c >= first; --c) {
    if (XkbKeycodeToKeysym(display_, static_cast<KeyCode>(c), 0, 0) !=
        NoSymbol) {
      continue;
    }
    KeySym both[2] = {keysym, keysym};
    XChangeKeyboardMapping(display_, c, 2, both, 1);
    XSync(display_, False);
    return static_cast<KeyCode>(c);
  }
  return 0;
}

bool XClient::PressKey(std::string_view name) {
  std::string key(name);
  KeySym modifier = NoSymbol;
  if (key.starts_with("Shift+")) {
    modifier = XK_Shift_L;
    key.erase(0, 6);
  }
  KeySym keysym = XStringToKeysym(key.c_str());
  if (keysym == NoSymbol) {
    // One character, as UTF-8: its Unicode keysym.
    size_t length = 0;
    const char32_t character = forms::FirstCodePoint(key, &length);
    if (length == 0 || length != key.size()) return false;
    keysym = 0x1000000 | character;
  }
  KeyCode code = KeycodeFor(keysym);
  KeyCode shift = modifier != NoSymbol ? KeycodeFor(modifier) : 0;
  if (code == 0) return false;
  if (shift) XTestFakeKeyEvent(display_, shift, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  if (shift) XTestFakeKeyEvent(display_, shift, False, CurrentTime);
  XSync(display_, False);
  return true;
}

void XClient::RequestClose(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] =
      static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
}

Image XClient::CaptureWindow(Window window) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window, &attributes);
  XImage* image = XGetImage(display_, window, 0, 0, attributes.width,
                            attributes.height, AllPlanes, ZPixmap);
  Image capture{attributes.width, attributes.height, {}};
  if (image == nullptr) return capture;
  const int red = Shift(image->red_mask);
  const int green = Shift(image->green_mask);
  const int blue = Shift(image->blue_mask);
  capture.pixels.reserve(static_cast<size_t>(capture.width) * capture.height);
  for (int y = 0; y < capture.height; ++y) {
    for (int x = 0; x < capture.width; ++x) {
      unsigned long value = XGetPixel(image, x, y);
      capture.pixels.push_back(
          {static_cast<uint8_t>((value & image->red_mask) >> red),
           static_cast<uint8_t>((value & image->green_mask) >> green),
           static_cast<uint8_t>((value & image->blue_mask) >> blue)});
    }
  }
  XDestroyImage(image);
  return capture;
}

Image XClient::SettledCapture(Window window,
                              std::chrono::milliseconds timeout) {
  Image last = CaptureWindow(window);
  PollUntil(
      [&] {
        Image now = CaptureWindow(window);
        bool same = now == last;
        last = std::move(now);
        return same;
      },
      timeout, std::chrono::milliseconds(50));
  return last;
}

std::string XClient::TextProperty(Window window, const char* name) {
  XTextProperty property{};
  if (!XGetTextProperty(display_, window, &property,
                        XInternAtom(display_, name, False)) ||
      property.value == nullptr) {
    return "";
  }
  // Xlib reads STRING as Latin-1, COMPOUND_TEXT and UTF8_STRING as such.
  std::string text;
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(display_, &property, &list, &count) >=
          Success &&
      count > 0) {
    text = list[0];
  }
  if (list != nullptr) XFreeStringList(list);
  XFree(property.value);
  return text;
}

std::vector<long> XClient::LongProperty(Window window, const char* name) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<long> values;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False),
                         0, 65536, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (format == 32) {
      const long* longs = reinterpret_cast<const long*>(data);
      values.assign(longs, longs + count);
    }
    XFree(data);
  }
  return values;
}

}  // namespace trovanel_test
