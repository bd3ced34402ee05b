#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_H_

#include <atk/atk.h>

#include <string>
#include <vector>

#include "forms/core/form.h"
#include "forms/fltk/accessibility/node_kinds.h"

class Fl_Widget;

namespace forms::fltk::accessibility {

// One published object: its place in the tree and what it stands for. Its
// peer is the ATK object the bridge sees.
struct Node {
  NodeKind kind = NodeKind::kLabel;
  std::string name;
  Node* parent = nullptr;
  std::vector<Node*> children;
  Fl_Widget* widget = nullptr;  // a list item's is its list's
  const Control* control = nullptr;
  int row = -1;  // a list item's row
  AtkObject* peer = nullptr;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_H_
