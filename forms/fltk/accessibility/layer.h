#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_LAYER_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_LAYER_H_

#include <string>
#include <vector>

#include "forms/core/form.h"

class Fl_Widget;
class Fl_Window;

// What the program and its accessibility module share. The module is loaded
// at run time and uses nothing of the program but these types, the model's
// inline accessors and FLTK itself.
namespace forms::fltk::accessibility {

// A shown control and the name a screen reader gives it.
struct PublishedControl {
  const Control* control = nullptr;
  Fl_Widget* widget = nullptr;
  std::string name;
};

struct PublishedForm {
  Fl_Window* window = nullptr;
  std::string program;                     // the application's name on the bus
  std::vector<PublishedControl> controls;  // each container's in reading order
};

// The window published on the accessibility bus. As an observer it turns the
// model's changes into the bus's events, after the window has shown them.
class Layer : public FormObserver {};

// The module's one entry, with C linkage: the layer, or nullptr when the
// bus cannot be reached after all.
using StartFunction = Layer* (*)(const PublishedForm& form);
inline constexpr char kStartSymbol[] = "TrovanelStartAccessibility";
inline constexpr char kModuleName[] = "trovanel-accessibility.so";

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_LAYER_H_
