#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_TREE_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_TREE_H_

#include <memory>
#include <vector>

#include "forms/fltk/accessibility/layer.h"
#include "forms/fltk/accessibility/peer_host.h"

namespace forms::fltk::accessibility {

// The published objects of one window: the application, the window, its
// shown controls in reading order (top to bottom, then left to right), a
// list's rows, and the notification that carries each new message. Every
// node has its peer.
class NodeTree {
 public:
  NodeTree(const PublishedForm& form, PeerHost& host);
  ~NodeTree();
  NodeTree(const NodeTree&) = delete;
  NodeTree& operator=(const NodeTree&) = delete;

  Node& application() { return *nodes_.front(); }
  Node& window() { return *window_; }
  Node& notification() { return *notification_; }
  // nullptr for what is not published.
  Node* ForControl(const Control* control) const;
  Node* ForWidget(const Fl_Widget* widget) const;

 private:
  Node& Add(NodeKind kind, std::string name, Node* parent);
  void AddControls(const PublishedForm& form, const Control* container,
                   Node& parent);

  std::vector<std::unique_ptr<Node>> nodes_;
  Node* window_ = nullptr;
  Node* notification_ = nullptr;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_NODE_TREE_H_
