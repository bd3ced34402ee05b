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

EMSCRIPTEN_KEEPALIVE int FormsWebKeyPressed(void* page, int handle,
                                            const char* key, int shift) {
  return static_cast<forms::web::WebForm*>(page)->KeyPressed(handle, key,
                                                             shift != 0);
}

}  // extern "C"
