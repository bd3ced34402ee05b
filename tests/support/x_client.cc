#include "tests/gui/x_client.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

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

std::optional<Window> XClient::WaitForWindow(
    const std::string& class_or_name, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
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
      if (!found &&
          TextProperty(children[i], "_NET_WM_NAME") == class_or_name) {
        found = children[i];
      }
    }
    if (children != nullptr) XFree(children);
    if (found) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

void XClient::Origin(Window window, int* x, int* y) {
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, x,
                        y, &child);
}

void XClient::ClickAt(int root_x, int root_y) {
  XTestFakeMotionEvent(display_, -1, root_x, root_y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void XClient::PressKey(unsigned long keysym, unsigned long modifier_keysym) {
  KeyCode modifier =
      modifier_keysym ? XKeysymToKeycode(display_, modifier_keysym) : 0;
  KeyCode key = XKeysymToKeycode(display_, keysym);
  if (modifier) XTestFakeKeyEvent(display_, modifier, True, CurrentTime);
  XTestFakeKeyEvent(display_, key, True, CurrentTime);
  XTestFakeKeyEvent(display_, key, False, CurrentTime);
  if (modifier) XTestFakeKeyEvent(display_, modifier, False, CurrentTime);
  XSync(display_, False);
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

Capture XClient::CaptureWindow(Window window) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window, &attributes);
  XImage* image = XGetImage(display_, window, 0, 0, attributes.width,
                            attributes.height, AllPlanes, ZPixmap);
  Capture capture{attributes.width, attributes.height, {}};
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

std::string XClient::TextProperty(Window window, const char* name) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False),
                         0, 1024, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (format == 8) text.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
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
