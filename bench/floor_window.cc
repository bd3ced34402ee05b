// The floors Trovanel is measured against: the cheapest FLTK window of the
// given size, drawn straight to the screen, and, built with FLOOR_TEXT, that
// window showing one line of text in Trovanel's font (12 pt at 96 dpi), which
// costs what any text costs. Two variants of the text window, for reference:
// FLOOR_BACK_BUFFER draws into FLTK's back buffer first; FLOOR_NO_COMPOSE
// starts the input method without the locale's compose table, as Trovanel
// does.
//
//   floor_window WIDTH HEIGHT

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Window.H>

#include <cstdlib>

#ifdef FLOOR_BACK_BUFFER
using FloorWindow = Fl_Double_Window;
#else
using FloorWindow = Fl_Window;
#endif

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  FloorWindow window(std::atoi(argv[1]), std::atoi(argv[2]), "floor");
#ifdef FLOOR_TEXT
  Fl::set_font(FL_FREE_FONT, " Times New Roman");
  Fl_Box line(0, 0, window.w(), 40, "Биология - ход на коня, алюр");
  line.labelfont(FL_FREE_FONT);
  line.labelsize(16);
#endif
  window.end();
#ifdef FLOOR_NO_COMPOSE
  setenv("XCOMPOSEFILE", "/dev/null", 0);
#endif
  window.show();
  return Fl::run();
}
