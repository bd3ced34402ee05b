#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_GLIB_IN_FLTK_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_GLIB_IN_FLTK_H_

#include <glib.h>

#include <deque>
#include <utility>
#include <vector>

namespace forms::fltk::accessibility {

// Runs GLib's default main context inside FLTK's event loop: before FLTK
// waits, the context is prepared and its file descriptors and next timeout
// become FLTK's; when one of them wakes FLTK, the context is checked and
// dispatched. Nothing runs while both are idle.
class GlibInFltk {
 public:
  GlibInFltk();
  ~GlibInFltk();
  GlibInFltk(const GlibInFltk&) = delete;
  GlibInFltk& operator=(const GlibInFltk&) = delete;

 private:
  struct Watch {
    GlibInFltk* loop;
    int fd;
    gushort condition;
  };

  static void BeforeWait(void* data);
  static void OnReady(int fd, void* data);
  static void OnTimeout(void* data);
  void Iterate();
  void Rewatch();
  void Unwatch();

  GMainContext* context_;
  std::vector<GPollFD> fds_;
  std::deque<Watch> watches_;  // FLTK keeps pointers to them
  std::vector<std::pair<int, gushort>> watched_;
  gint priority_ = 0;
  gint timeout_ms_ = -1;
  bool prepared_ = false;
  bool iterating_ = false;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_GLIB_IN_FLTK_H_
