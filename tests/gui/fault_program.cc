// Trovanel on a layout whose gait-key list has lost its rows: the first
// check that reads a gait's key fails as a control call, so the run-time
// error report can be seen end to end. Built for the tests only.

#include <array>
#include <vector>

#include "forms/fltk/program.h"
#include "resources/trovanel.xpm"
#include "window/trovanel_app.h"
#include "window/trovanel_layout.h"

int main() {
  const forms::FormDescription& layout = trovanel::TrovanelLayout();
  std::vector<forms::ControlDescription> controls(layout.controls.begin(),
                                                  layout.controls.end());
  for (auto& control : controls) {
    if (control.array == trovanel::kListArray &&
        control.member == trovanel::kGaitKeyList) {
      control.rows = control.rows.first(1);
    }
  }
  forms::FormDescription faulty = layout;
  faulty.controls = controls;
  trovanel::TrovanelApp app(faulty);
  return forms::fltk::RunForm(app.form(), trovanel_xpm);
}
