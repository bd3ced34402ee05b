#ifndef TROVANEL_FORMS_FLTK_LIST_WIDGET_H_
#define TROVANEL_FORMS_FLTK_LIST_WIDGET_H_

// Xlib's macro Status clashes with the model's type: FLTK's headers, then
// the clean-up, then the model's headers.
// clang-format off
#include <FL/Fl_Hold_Browser.H>
#include "forms/fltk/xlib_macros.h"

#include "forms/core/form.h"
#include "forms/fltk/style.h"
// clang-format on

namespace forms::fltk {

// A list box: shows the model's rows and current row; a click or an arrow
// key becomes form.UserSelectsRow. The arrow keys are worked out from the
// model's current row, not from FLTK's own key handling, which skips row 0
// when nothing is selected.
class ListWidget : public Fl_Hold_Browser {
 public:
  ListWidget(Form& form, ListBox& list, const Style& style, int x, int y,
             int width, int height);

  const ListBox& model() const { return list_; }
  // -1 when no row is highlighted.
  int shown_row() const { return value() - 1; }
  // Highlights the model's current row; raises nothing.
  void Mirror();

  int handle(int event) override;

 private:
  static void OnChanged(Fl_Widget* widget, void*);
  void Select(int row);

  Form& form_;
  ListBox& list_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_LIST_WIDGET_H_
