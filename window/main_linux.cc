// Trovanel on Linux: the form drawn by the FLTK backend on an X11 display.

#include "forms/fltk/program.h"
#include "resources/trovanel.xpm"
#include "window/trovanel_app.h"

int main() {
  trovanel::TrovanelApp app;
  return forms::fltk::RunForm(app.form(), trovanel_xpm);
}
