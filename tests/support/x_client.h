#ifndef TROVANEL_TESTS_GUI_X_CLIENT_H_
#define TROVANEL_TESTS_GUI_X_CLIENT_H_

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trovanel_test {

struct Pixel {
  uint8_t red, green, blue;
  bool operator==(const Pixel&) const = default;
};

struct Capture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // row by row
  Pixel At(int x, int y) const { return pixels[y * width + x]; }
};

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

  // XTest input at root coordinates; the server has taken each in when these
  // return.
  void ClickAt(int root_x, int root_y);
  void PressKey(unsigned long keysym, unsigned long modifier_keysym = 0);

  // What the close box asks of a client that takes WM_DELETE_WINDOW.
  void RequestClose(Window window);

  Capture CaptureWindow(Window window);

  std::string TextProperty(Window window, const char* name);
  // A 32-bit property as longs; empty when absent.
  std::vector<long> LongProperty(Window window, const char* name);

 private:
  Display* display_;
  bool owned_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_GUI_X_CLIENT_H_
