// The pupil's input as the page passes it to the module.
#include <emscripten/emscripten.h>

#include "forms/web/web_form.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void FormsWebOptionClicked(void* page, int handle) {
  static_cast<forms::web::WebForm*>(page)->OptionClicked(handle);
}

EMSCRIPTEN_KEEPALIVE void FormsWebRowPressed(void* page, int handle, int row) {
  static_cast<forms::web::WebForm*>(page)->RowPressed(handle, row);
}

EMSCRIPTEN_KEEPALIVE int FormsWebKeyPressed(void* page, int handle, int key,
                                            int shift) {
  return static_cast<forms::web::WebForm*>(page)->KeyPressed(
      handle, static_cast<forms::web::Key>(key), shift != 0);
}

EMSCRIPTEN_KEEPALIVE int FormsWebCharTyped(void* page, int handle,
                                           int code_point) {
  return static_cast<forms::web::WebForm*>(page)->CharTyped(
      handle, static_cast<char32_t>(code_point));
}

}  // extern "C"
