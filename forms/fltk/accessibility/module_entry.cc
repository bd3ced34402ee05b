// The entry of the accessibility module, which the program loads only when
// a screen reader may be listening.

#include <memory>

#include "forms/fltk/accessibility/layer.h"
#include "forms/fltk/accessibility/published_window.h"

extern "C" __attribute__((visibility("default")))
forms::fltk::accessibility::Layer*
TrovanelStartAccessibility(
    const forms::fltk::accessibility::PublishedForm& form) {
  auto window =
      std::make_unique<forms::fltk::accessibility::PublishedWindow>(form);
  if (!window->Start()) return nullptr;
  return window.release();
}
