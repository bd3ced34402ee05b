#include "forms/fltk/accessibility/loader.h"

#include <FL/x.H>
#include <dlfcn.h>
#include <unistd.h>

#include <string>

#include "forms/core/accessible_name.h"
#include "forms/fltk/accessibility/bus_presence.h"

namespace forms::fltk::accessibility {
namespace {

std::string ProgramDirectory() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  std::string program(path, static_cast<size_t>(length));
  return program.substr(0, program.rfind('/'));
}

// The module is never unloaded: GLib's types cannot be.
void* OpenModule() {
  const std::string directory = ProgramDirectory();
  for (const std::string& place :
       {directory, directory + "/" + TROVANEL_MODULE_DIR_FROM_PROGRAM}) {
    std::string path = place + "/" + kModuleName;
    if (access(path.c_str(), R_OK) != 0) continue;
    if (void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      return module;
    }
  }
  return nullptr;
}

// The shown controls of `container` and of the frames in it, each
// container's in reading order.
void AddShown(const Form& form, FltkForm& window, const Control* container,
              PublishedForm& published) {
  for (const Control* control : ReadingOrder(form, container)) {
    if (Fl_Widget* widget = window.WidgetFor(*control)) {
      published.controls.push_back(
          {control, widget, std::string(AccessibleName(form, *control))});
    }
    AddShown(form, window, control, published);
  }
}

}  // namespace

std::unique_ptr<Layer> StartAccessibility(const Form& form, FltkForm& window) {
  if (!AccessibilityBusPresent(fl_display)) return nullptr;
  void* module = OpenModule();
  if (!module) return nullptr;
  auto start = reinterpret_cast<StartFunction>(dlsym(module, kStartSymbol));
  if (!start) return nullptr;
  PublishedForm published;
  published.window = &window.window();
  published.program = form.description().name;
  AddShown(form, window, nullptr, published);
  return std::unique_ptr<Layer>(start(published));
}

}  // namespace forms::fltk::accessibility
