#ifndef TROVANEL_FORMS_FLTK_XPM_IMAGE_H_
#define TROVANEL_FORMS_FLTK_XPM_IMAGE_H_

#include <FL/Fl_RGB_Image.H>

#include <memory>

namespace forms::fltk {

// An XPM picture as an RGBA image of its own size: "#rgb" colours (one to
// four hex digits a channel) opaque, any other ("None") transparent.
// FLTK's own reading asks the X server about every colour it does not know,
// three round trips before the first paint; this asks nothing. nullptr for
// a picture it cannot read.
std::unique_ptr<Fl_RGB_Image> ReadXpm(const char* const* xpm);

}  // namespace forms::fltk

#endif  // TROVANEL_FORMS_FLTK_XPM_IMAGE_H_
