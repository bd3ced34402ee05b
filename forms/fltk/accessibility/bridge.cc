#include "forms/fltk/accessibility/bridge.h"

#include <dlfcn.h>

namespace forms::fltk::accessibility {

// The library stays loaded: its GLib types cannot be unloaded.
bool Bridge::Start() {
  void* library = dlopen("libatk-bridge-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!library) return false;
  auto init = reinterpret_cast<int (*)(int*, char***)>(
      dlsym(library, "atk_bridge_adaptor_init"));
  auto cleanup = reinterpret_cast<void (*)()>(
      dlsym(library, "atk_bridge_adaptor_cleanup"));
  if (!init || !cleanup || init(nullptr, nullptr) != 0) return false;
  cleanup_ = cleanup;
  return true;
}

Bridge::~Bridge() {
  if (cleanup_) cleanup_();
}

}  // namespace forms::fltk::accessibility
