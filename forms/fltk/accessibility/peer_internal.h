#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_INTERNAL_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_INTERNAL_H_

#include <atk/atk.h>

#include "forms/fltk/accessibility/peer_host.h"

namespace forms::fltk::accessibility {

// The instance of every peer class: the ATK object and what it stands for.
struct TrvPeer {
  AtkObject parent;
  Node* node;
  PeerHost* host;
};

inline TrvPeer* PeerOf(gpointer object) {
  return reinterpret_cast<TrvPeer*>(object);
}

void InitTextInterface(AtkTextIface* iface);

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_INTERNAL_H_
