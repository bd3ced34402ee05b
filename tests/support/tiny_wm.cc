// A window manager just large enough for tests on a bare X server: it maps
// every window that asks, marks it with WM_STATE (Normal / Withdrawn) as
// clients and toolkits expect, honours configure requests as asked, and gives
// the input focus to the newest mapped window, so that synthetic key presses
// reach it. It draws no frames and never reparents, so a window's position is
// its position on the root. Prints "ready" once it owns the root window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

namespace {

constexpr long kWithdrawnState = 0;
constexpr long kNormalState = 1;

bool redirect_refused = false;

int OnStartupError(Display*, XErrorEvent* error) {
  if (error->error_code == BadAccess) redirect_refused = true;
  return 0;
}

// Windows vanish between the request and our answer; that is no error here.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

void SetWmState(Display* display, Window window, long state) {
  Atom wm_state = XInternAtom(display, "WM_STATE", False);
  long data[2] = {state, static_cast<long>(None)};
  XChangeProperty(display, window, wm_state, wm_state, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(data), 2);
}

void Manage(Display* display, Window window) {
  SetWmState(display, window, kNormalState);
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
}

void Configure(Display* display, const XConfigureRequestEvent& request) {
  XWindowChanges changes;
  changes.x = request.x;
  changes.y = request.y;
  changes.width = request.width;
  changes.height = request.height;
  changes.border_width = request.border_width;
  changes.sibling = request.above;
  changes.stack_mode = request.detail;
  XConfigureWindow(display, request.window,
                   static_cast<unsigned>(request.value_mask), &changes);
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "tiny_wm: cannot open the display\n");
    return 1;
  }
  Window root = DefaultRootWindow(display);
  XSetErrorHandler(OnStartupError);
  XSelectInput(display, root,
               SubstructureRedirectMask | SubstructureNotifyMask);
  XSync(display, False);
  if (redirect_refused) {
    std::fprintf(stderr, "tiny_wm: another window manager is running\n");
    return 1;
  }
  XSetErrorHandler(IgnoreError);
  std::printf("ready\n");
  std::fflush(stdout);

  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    switch (event.type) {
      case MapRequest:
        Manage(display, event.xmaprequest.window);
        break;
      case MapNotify:
        if (!event.xmap.override_redirect) {
          XSetInputFocus(display, event.xmap.window, RevertToPointerRoot,
                         CurrentTime);
        }
        break;
      case UnmapNotify:
        if (event.xunmap.event == root) break;
        SetWmState(display, event.xunmap.window, kWithdrawnState);
        break;
      case ConfigureRequest:
        Configure(display, event.xconfigurerequest);
        break;
      default:
        break;
    }
  }
}
