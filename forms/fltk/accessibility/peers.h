#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEERS_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEERS_H_

#include <atk/atk.h>

#include "forms/fltk/accessibility/peer_host.h"

namespace forms::fltk::accessibility {

// The ATK object of a node, of the class that gives it its role and
// interfaces: window, action (options), selection (lists), text (the
// message box). The caller holds the one reference.
AtkObject* NewPeer(Node& node, PeerHost& host);

// Initialises every peer class. An interface's signals exist only once a
// class implementing it is, and the bridge looks them up when it starts.
void InitialisePeerClasses();

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEERS_H_
