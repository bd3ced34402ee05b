#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_KINDS_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_KINDS_H_

#include <atk/atk.h>

#include <array>

#include "forms/core/form_description.h"

namespace forms::fltk::accessibility {

enum class NodeKind {
  kApplication,
  kWindow,
  kPanel,
  kOption,
  kList,
  kListItem,
  kText,
  kLabel,
  kNotification,
};

// The interface a kind's peer adds to the object and the component.
enum class PeerInterface { kNone, kWindow, kAction, kSelection, kText };

// What a kind of node is to a screen reader. The states that follow the
// model (checked, selected, focused, active) are read when asked, and which
// controls take the focus is the core's rule.
struct KindTraits {
  AtkRole role;
  PeerInterface peer;
  std::array<AtkStateType, 2> fixed_states;  // ATK_STATE_INVALID: none
};

const KindTraits& TraitsOf(NodeKind kind);

// The node that stands for a control of that kind.
NodeKind NodeKindOf(ControlKind kind);

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_KINDS_H_
