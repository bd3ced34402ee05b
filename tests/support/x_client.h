#ifndef TROVANEL_TESTS_SUPPORT_X_CLIENT_H_
#define TROVANEL_TESTS_SUPPORT_X_CLIENT_H_

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/core/form_description.h"
#include "tests/support/image.h"

namespace trovanel_test {

// A connection of our own to the display, for looking at windows and sending
// real input through XTest, as a pupil's mouse and keyboard would.
class XClient {
 public:
  // Opens DISPLAY; aborts the test program when it cannot.
  XClient();
  explicit XClient(Display* shared);  // borrows a connection
  ~XClient();
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;

  Display* display() const { return display_; }

  // The first viewable top-level window whose WM_CLASS class or WM_NAME is
  // the given text, waiting up to `timeout`.
  std::optional<Window> WaitForWindow(const std::string& class_or_name,
                                      std::chrono::milliseconds timeout);
  // Where the window's client area lies on the root.
  void Origin(Window window, int* x, int* y);
  // The layout ControlPoint places controls by: the Trovanel table, or that
  // of an opened exercise (which must outlive this client).
  void UseLayout(const forms::FormDescription& layout) { layout_ = &layout; }
  // A point of a control of the Trovanel window on the root: fractions of
  // the control's width and height, at the tests' 96 dpi.
  struct Point {
    int x, y;
  };
  Point ControlPoint(Window window, std::string_view array, int16_t member,
                     double fx = 0.5, double fy = 0.5);

  // XTest input at root coordinates; the server has taken each in when these
  // return.
  void ClickAt(Point point);
  // Presses at one point and releases at another.
  void DragFromTo(Point from, Point to);
  // A key by its X name ("Tab", "Page_Down", "Shift+Tab") or one character
  // ("к"); false when there is no such key.
  bool PressKey(std::string_view name);

  // What the close box asks of a client that takes WM_DELETE_WINDOW.
  void RequestClose(Window window);

  Image CaptureWindow(Window window);
  // The window once two captures 50 ms apart agree (it has drawn what it
  // was asked to), or the last capture after `timeout`.
  Image SettledCapture(Window window, std::chrono::milliseconds timeout);

  // A text property as a window manager reads it, by its type (Latin-1,
  // compound text or UTF-8), in UTF-8.
  std::string TextProperty(Window window, const char* name);
  // A 32-bit property as longs; empty when absent.
  std::vector<long> LongProperty(Window window, const char* name);

 private:
  std::optional<Window> FindWindow(const std::string& class_or_name);
  KeyCode KeycodeFor(KeySym keysym);

  Display* display_;
  bool owned_;
  const forms::FormDescription* layout_ = nullptr;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_X_CLIENT_H_
