#include "forms/fltk/accessibility/peers.h"

#include <algorithm>

#include "forms/fltk/accessibility/peer_internal.h"

namespace forms::fltk::accessibility {
namespace {

struct TrvPeerClass {
  AtkObjectClass parent_class;
};

// The subclasses add an interface each and no data.
struct TrvWindowPeer {
  TrvPeer parent;
};
struct TrvWindowPeerClass {
  TrvPeerClass parent_class;
};
struct TrvActionPeer {
  TrvPeer parent;
};
struct TrvActionPeerClass {
  TrvPeerClass parent_class;
};
struct TrvSelectionPeer {
  TrvPeer parent;
};
struct TrvSelectionPeerClass {
  TrvPeerClass parent_class;
};
struct TrvTextPeer {
  TrvPeer parent;
};
struct TrvTextPeerClass {
  TrvPeerClass parent_class;
};

Node& NodeOf(gpointer object) { return *PeerOf(object)->node; }
PeerHost& HostOf(gpointer object) { return *PeerOf(object)->host; }

// AtkObject

const gchar* PeerName(AtkObject* object) { return NodeOf(object).name.c_str(); }

AtkRole PeerRole(AtkObject* object) {
  return TraitsOf(NodeOf(object).kind).role;
}

AtkObject* PeerParent(AtkObject* object) {
  Node* parent = NodeOf(object).parent;
  return parent ? parent->peer : nullptr;
}

gint PeerChildCount(AtkObject* object) {
  return static_cast<gint>(NodeOf(object).children.size());
}

AtkObject* PeerChild(AtkObject* object, gint index) {
  const std::vector<Node*>& children = NodeOf(object).children;
  if (index < 0 || index >= static_cast<gint>(children.size())) return nullptr;
  return ATK_OBJECT(g_object_ref(children[index]->peer));
}

gint PeerIndex(AtkObject* object) {
  const Node& node = NodeOf(object);
  if (!node.parent) return -1;
  const std::vector<Node*>& siblings = node.parent->children;
  auto found = std::find(siblings.begin(), siblings.end(), &node);
  return found == siblings.end() ? -1
                                 : static_cast<gint>(found - siblings.begin());
}

AtkStateSet* PeerStates(AtkObject* object) {
  AtkStateSet* states = atk_state_set_new();
  HostOf(object).AddStates(NodeOf(object), states);
  return states;
}

// AtkComponent

void ComponentExtents(AtkComponent* component, gint* x, gint* y, gint* width,
                      gint* height, AtkCoordType coords) {
  AtkRectangle r = HostOf(component).Extents(NodeOf(component), coords);
  *x = r.x;
  *y = r.y;
  *width = r.width;
  *height = r.height;
}

gboolean ComponentFocus(AtkComponent* component) {
  return HostOf(component).Focus(NodeOf(component));
}

AtkLayer ComponentLayer(AtkComponent* component) {
  return NodeOf(component).kind == NodeKind::kWindow ? ATK_LAYER_WINDOW
                                                     : ATK_LAYER_WIDGET;
}

void InitComponent(AtkComponentIface* iface) {
  iface->get_extents = ComponentExtents;
  iface->grab_focus = ComponentFocus;
  iface->get_layer = ComponentLayer;
}

// AtkAction: an option's one action.

constexpr char kClick[] = "click";

gint ActionCount(AtkAction*) { return 1; }

gboolean ActionDo(AtkAction* action, gint index) {
  return index == 0 && HostOf(action).Click(NodeOf(action));
}

const gchar* ActionName(AtkAction*, gint index) {
  return index == 0 ? kClick : nullptr;
}

void InitAction(AtkActionIface* iface) {
  iface->get_n_actions = ActionCount;
  iface->do_action = ActionDo;
  iface->get_name = ActionName;
  iface->get_localized_name = ActionName;
}

// AtkSelection: a list's current row.

gboolean SelectionAdd(AtkSelection* selection, gint index) {
  return HostOf(selection).SelectRow(NodeOf(selection), index);
}

gint SelectionCount(AtkSelection* selection) {
  return HostOf(selection).SelectedRow(NodeOf(selection)) >= 0 ? 1 : 0;
}

gboolean SelectionHas(AtkSelection* selection, gint index) {
  return index >= 0 &&
         HostOf(selection).SelectedRow(NodeOf(selection)) == index;
}

AtkObject* SelectionRef(AtkSelection* selection, gint index) {
  const int row = HostOf(selection).SelectedRow(NodeOf(selection));
  if (index != 0 || row < 0) return nullptr;
  return PeerChild(ATK_OBJECT(selection), row);
}

void InitSelection(AtkSelectionIface* iface) {
  iface->add_selection = SelectionAdd;
  iface->get_selection_count = SelectionCount;
  iface->is_child_selected = SelectionHas;
  iface->ref_selection = SelectionRef;
}

void InitWindow(AtkWindowIface*) {}

}  // namespace

// The macros below name their functions after the types.
G_DEFINE_TYPE_WITH_CODE(TrvPeer, trv_peer, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT,
                                              InitComponent))

static void trv_peer_init(TrvPeer* peer) {
  peer->node = nullptr;
  peer->host = nullptr;
}

static void trv_peer_class_init(TrvPeerClass* klass) {
  AtkObjectClass* object = ATK_OBJECT_CLASS(klass);
  object->get_name = PeerName;
  object->get_role = PeerRole;
  object->get_parent = PeerParent;
  object->get_n_children = PeerChildCount;
  object->ref_child = PeerChild;
  object->get_index_in_parent = PeerIndex;
  object->ref_state_set = PeerStates;
}

#define TRV_SUBCLASS(Name, name, iface_type, init)                 \
  G_DEFINE_TYPE_WITH_CODE(Name, name, trv_peer_get_type(),         \
                          G_IMPLEMENT_INTERFACE(iface_type, init)) \
  static void name##_init(Name*) {}                                \
  static void name##_class_init(Name##Class*) {}

TRV_SUBCLASS(TrvWindowPeer, trv_window_peer, ATK_TYPE_WINDOW, InitWindow)
TRV_SUBCLASS(TrvActionPeer, trv_action_peer, ATK_TYPE_ACTION, InitAction)
TRV_SUBCLASS(TrvSelectionPeer, trv_selection_peer, ATK_TYPE_SELECTION,
             InitSelection)
TRV_SUBCLASS(TrvTextPeer, trv_text_peer, ATK_TYPE_TEXT, InitTextInterface)

namespace {

GType PeerType(PeerInterface peer) {
  switch (peer) {
    case PeerInterface::kWindow:
      return trv_window_peer_get_type();
    case PeerInterface::kAction:
      return trv_action_peer_get_type();
    case PeerInterface::kSelection:
      return trv_selection_peer_get_type();
    case PeerInterface::kText:
      return trv_text_peer_get_type();
    case PeerInterface::kNone:
      break;
  }
  return trv_peer_get_type();
}

}  // namespace

AtkObject* NewPeer(Node& node, PeerHost& host) {
  auto* object =
      ATK_OBJECT(g_object_new(PeerType(TraitsOf(node.kind).peer), nullptr));
  TrvPeer* peer = PeerOf(object);
  peer->node = &node;
  peer->host = &host;
  atk_object_initialize(object, nullptr);
  return object;
}

void InitialisePeerClasses() {
  for (GType type : {trv_peer_get_type(), trv_window_peer_get_type(),
                     trv_action_peer_get_type(), trv_selection_peer_get_type(),
                     trv_text_peer_get_type()}) {
    g_type_class_ref(type);  // kept for the life of the program
  }
}

}  // namespace forms::fltk::accessibility
