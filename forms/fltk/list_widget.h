#ifndef TROVANEL_FORMS_FLTK_LIST_WIDGET_H_
#define TROVANEL_FORMS_FLTK_LIST_WIDGET_H_

#include <FL/Fl_Hold_Browser.H>

#include "forms/core/form.h"
#include "forms/core/keyboard.h"
#include "forms/fltk/style.h"

namespace forms::fltk {

// A list box: shows the model's rows and current row; a click becomes
// form.UserSelectsRow. Its keys go on to the window, where the core decides
// them from the model's current row: FLTK's own skip row 0 when nothing is
// selected and know no Page keys or letters.
class ListWidget : public Fl_Hold_Browser {
 public:
  ListWidget(Form& form, ListBox& list, const Style& style, int x, int y,
             int width, int height);

  const ListBox& model() const { return list_; }
  // -1 when no row is highlighted.
  int shown_row() const { return value() - 1; }
  // Highlights the model's current row; raises nothing.
  void Mirror();
  // The rows shown whole.
  ListView View() const;

  int handle(int event) override;

 private:
  static void OnChanged(Fl_Widget* widget, void*);

  Form& form_;
  ListBox& list_;
};

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_LIST_WIDGET_H_
