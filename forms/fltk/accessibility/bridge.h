#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_BRIDGE_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_BRIDGE_H_

namespace forms::fltk::accessibility {

// The AT-SPI bridge, which serves ATK's objects on the accessibility bus.
// Its library is loaded only here, once a bus is known to be there.
class Bridge {
 public:
  Bridge() = default;
  ~Bridge();
  Bridge(const Bridge&) = delete;
  Bridge& operator=(const Bridge&) = delete;

  // Registers the program on the bus; needs ATK's root and GLib's loop. False
  // when the library is missing or the bus cannot be reached.
  bool Start();

 private:
  void (*cleanup_)() = nullptr;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_BRIDGE_H_
