#include "forms/fltk/accessibility/node_kinds.h"

#include <utility>

namespace forms::fltk::accessibility {
namespace {

constexpr AtkStateType kNone = ATK_STATE_INVALID;

// In the order of NodeKind.
constexpr std::array<KindTraits, 9> kTraits = {{
    {ATK_ROLE_APPLICATION, PeerInterface::kNone, {kNone, kNone}},
    {ATK_ROLE_FRAME, PeerInterface::kWindow, {kNone, kNone}},
    {ATK_ROLE_PANEL, PeerInterface::kNone, {kNone, kNone}},
    {ATK_ROLE_RADIO_BUTTON, PeerInterface::kAction, {kNone, kNone}},
    {ATK_ROLE_LIST, PeerInterface::kSelection, {kNone, kNone}},
    {ATK_ROLE_LIST_ITEM, PeerInterface::kNone, {ATK_STATE_SELECTABLE, kNone}},
    {ATK_ROLE_TEXT,
     PeerInterface::kText,
     {ATK_STATE_MULTI_LINE, ATK_STATE_READ_ONLY}},
    {ATK_ROLE_LABEL, PeerInterface::kNone, {kNone, kNone}},
    {ATK_ROLE_NOTIFICATION, PeerInterface::kNone, {kNone, kNone}},
}};

constexpr std::array<std::pair<ControlKind, NodeKind>, 5> kControlNodes = {{
    {ControlKind::kListBox, NodeKind::kList},
    {ControlKind::kOptionButton, NodeKind::kOption},
    {ControlKind::kTextBox, NodeKind::kText},
    {ControlKind::kLabel, NodeKind::kLabel},
    {ControlKind::kFrame, NodeKind::kPanel},
}};

}  // namespace

const KindTraits& TraitsOf(NodeKind kind) {
  return kTraits[static_cast<size_t>(kind)];
}

NodeKind NodeKindOf(ControlKind kind) {
  for (const auto& [control, node] : kControlNodes) {
    if (control == kind) return node;
  }
  return NodeKind::kLabel;
}

}  // namespace forms::fltk::accessibility
