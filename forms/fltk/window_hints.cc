#include "forms/fltk/window_hints.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>

namespace forms::fltk {

namespace {

// The Motif window-manager hints, as window managers read them.
constexpr long kHintsFunctions = 1L << 0;
constexpr long kHintsDecorations = 1L << 1;

constexpr long kFunctionResize = 1L << 1;
constexpr long kFunctionMove = 1L << 2;
constexpr long kFunctionMinimize = 1L << 3;
constexpr long kFunctionMaximize = 1L << 4;
constexpr long kFunctionClose = 1L << 5;

constexpr long kDecorationBorder = 1L << 1;
constexpr long kDecorationResizeHandle = 1L << 2;
constexpr long kDecorationTitle = 1L << 3;
constexpr long kDecorationMenu = 1L << 4;
constexpr long kDecorationMinimize = 1L << 5;
constexpr long kDecorationMaximize = 1L << 6;

}  // namespace

void WriteMotifHints(const FormDescription& form, const Fl_Window& window) {
  long functions = kFunctionMove | kFunctionClose;
  long decorations = kDecorationBorder | kDecorationTitle | kDecorationMenu;
  if (form.resizable) {
    functions |= kFunctionResize;
    decorations |= kDecorationResizeHandle;
  }
  if (form.min_button) {
    functions |= kFunctionMinimize;
    decorations |= kDecorationMinimize;
  }
  if (form.max_button) {
    functions |= kFunctionMaximize;
    decorations |= kDecorationMaximize;
  }
  long hints[5] = {kHintsFunctions | kHintsDecorations, functions, decorations,
                   0, 0};
  Atom property = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, fl_xid(&window), property, property, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(hints), 5);
}

void WriteLegacyTitle(const FormDescription& form, const Fl_Window& window) {
  std::string title(form.title);
  char* list[] = {title.data()};
  XTextProperty property{};
  const bool converted =
      Xutf8TextListToTextProperty(fl_display, list, 1, XCompoundTextStyle,
                                  &property) == Success;
  if (!converted) {
    if (property.value != nullptr) XFree(property.value);
    property = {reinterpret_cast<unsigned char*>(title.data()),
                XInternAtom(fl_display, "UTF8_STRING", False), 8, title.size()};
  }
  XSetWMName(fl_display, fl_xid(&window), &property);
  XSetWMIconName(fl_display, fl_xid(&window), &property);
  if (converted) XFree(property.value);
}

}  // namespace forms::fltk
