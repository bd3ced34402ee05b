#ifndef TROVANEL_FORMS_CORE_GEOMETRY_H_
#define TROVANEL_FORMS_CORE_GEOMETRY_H_

#include "forms/core/form_description.h"

namespace forms {

// A rectangle in pixels of the window's client area.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Contains(int x, int y) const {
    return x >= left && x < right() && y >= top && y < bottom();
  }
  bool Contains(const Rect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right() <= right() &&
           inner.bottom() <= bottom();
  }
  bool operator==(const Rect&) const = default;
};

// The one rounding rule of every backend: a control's position in twips is
// first made absolute (its containers' positions added), then its left, top,
// width and height are each converted with TwipsToPixels. A control inside
// a frame thus lands where it would as a direct child of the window.
Rect ControlRect(const FormDescription& form, const ControlDescription& control,
                 int dpi);

// The client area: {0, 0, width, height}.
Rect ClientRect(const FormDescription& form, int dpi);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_GEOMETRY_H_
